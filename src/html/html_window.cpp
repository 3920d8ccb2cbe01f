#include "html/html_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopeGuard>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/frame.h"
#include "core/plain_text_file.h"
#include "core/save_dialog.h"
#include "core/scintilla_pane.h"
#include "html/html_colouring.h"
#include "html/html_typing_help.h"
#include "html/preview_copy.h"
#include "html/tag_typing_help.h"
#include "platform/paths.h"
#include "platform/web_view.h"

namespace {
// Split view brings the preview up to date this long after the last keystroke, so typing in a
// large page never waits for the browser.
constexpr int PreviewDelayMs = 300;

// Shown in a corner of the preview from each navigation until the page has loaded: a page
// of tens of megabytes takes the browser a while, and a blank preview looks broken.
const char* const PreviewLoadingText = "Loading the preview...";
constexpr int NoticeMargin = 6;

struct TabRow {
    const char* caption;
    const char* key;
    const char* tooltip;
};
const TabRow Tabs[] = {
    {"Code ", "code ", "HTML Code "},
    {"Preview", "preview", "Preview of Web Page"},
};

// The settings a window was last coloured with.
struct ColouringCopy {
    QString fontName;
    int fontSize = 0;
    Rgb text = 0;
    Rgb tag = 0;
    Rgb param = 0;
    Rgb comment = 0;
};

class BusyFlag {
public:
    explicit BusyFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyFlag() { flag_ = false; }

private:
    bool& flag_;
};
}  // namespace

struct HtmlWindow::Private {
    explicit Private(HtmlWindow& window)
        : colouring(window), typingHelp(std::make_unique<TagTypingHelp>(window)) {}
    QTabBar* ts = nullptr;
    QLabel* encoding = nullptr;
    QWidget* page = nullptr;
    std::unique_ptr<WebView> browser;
    QLabel* loadingNotice = nullptr;
    QTimer previewTimer;
    // A command writes its text piece by piece in its own colours; once it is done, what it
    // wrote is coloured as a fresh open would colour it.
    QTimer commandColouring;
    HtmlColouring colouring;
    std::unique_ptr<HtmlTypingHelp> typingHelp;
    ColouringCopy copy;
    bool gutterVisible = true;
    int lineCount = 0;
};

HtmlWindow::HtmlWindow(AppState& app, QWidget* parent)
    : EditorWindow(app, KindHtml, std::make_unique<ScintillaPane>(), parent),
      d(std::make_unique<Private>(*this)) {
    d->ts = new QTabBar(this);
    d->ts->setObjectName(QStringLiteral("ts"));
    d->ts->setExpanding(false);
    for (const TabRow& row : Tabs) {
        const int index = d->ts->addTab(QString::fromLatin1(row.caption));
        d->ts->setTabData(index, QString::fromLatin1(row.key));
        d->ts->setTabToolTip(index, QString::fromLatin1(row.tooltip));
    }
    connect(d->ts, &QTabBar::tabBarClicked, this, &HtmlWindow::ts_Click);

    d->page = new QWidget(this);
    d->page->installEventFilter(this);
    QWidget* code = pane().widget();
    code->setObjectName(QStringLiteral("rtf1"));
    code->setParent(d->page);

    // The encoding the page is saved in, at the far end of the tabs.
    d->encoding = new QLabel(this);
    d->encoding->setObjectName(QStringLiteral("encoding"));
    d->encoding->setContentsMargins(8, 0, 8, 0);
    auto* tabs = new QHBoxLayout;
    tabs->addWidget(d->ts);
    tabs->addStretch(1);
    tabs->addWidget(d->encoding);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(tabs);
    layout->addWidget(d->page, 1);

    d->previewTimer.setSingleShot(true);
    d->previewTimer.setInterval(PreviewDelayMs);
    connect(&d->previewTimer, &QTimer::timeout, this, &HtmlWindow::RefreshPreview);
    d->commandColouring.setSingleShot(true);
    connect(&d->commandColouring, &QTimer::timeout, this, [this] {
        if (colouringBusy || this->app().insertBusy)
            d->commandColouring.start(50);  // a dialog of the command's is still open
        else
            d->colouring.colourEdits();
    });

    d->copy = {app.editorFontName, app.editorFontSize, app.htmlTextColor, app.htmlTagColor,
               app.htmlParamColor, app.htmlCommentColor};
    pane().SetBaseFont(app.editorFontName.trimmed(), app.editorFontSize);
    pane().SetBackColor(app.htmlBackColor);
    pane().SetCurrentLineMarker(true);
    setGutterVisible(lineNumbersOn());
    backup_code();
    d->typingHelp->initautotag();
    encodingChanged();
}

HtmlWindow::~HtmlWindow() = default;

void HtmlWindow::showEncoding(const QString& name) { d->encoding->setText(name); }

QTabBar* HtmlWindow::ts() const { return d->ts; }
WebView* HtmlWindow::Browser1() const { return d->browser.get(); }
HtmlTypingHelp& HtmlWindow::typingHelp() const { return *d->typingHelp; }

void HtmlWindow::setTypingHelp(std::unique_ptr<HtmlTypingHelp> help) {
    d->typingHelp = std::move(help);
    d->typingHelp->initautotag();
}

QString HtmlWindow::previewPath() { return QDir(Paths::writableFolder()).filePath("temp1.html"); }

bool HtmlWindow::splitView() const {
    return app().frame && app().frame->isCommandChecked(QStringLiteral("split"));
}

bool HtmlWindow::lineNumbersOn() const {
    return !app().frame || app().frame->isCommandChecked(QStringLiteral("ln"));
}

void HtmlWindow::setGutterVisible(bool visible) {
    d->gutterVisible = visible;
    pane().SetLineNumbersVisible(visible);
    d->lineCount = pane().lineCount();
}

WebView& HtmlWindow::ensureBrowser() {
    if (!d->browser) {
        // Created on first use: the browser engine takes a while to start.
        d->browser = createWebView(d->page);
        d->browser->widget()->setObjectName(QStringLiteral("Browser1"));
        d->loadingNotice = new QLabel(QString::fromLatin1(PreviewLoadingText), d->page);
        d->loadingNotice->setObjectName(QStringLiteral("previewLoading"));
        d->loadingNotice->setAutoFillBackground(true);
        d->loadingNotice->setFrameStyle(QFrame::Box | QFrame::Plain);
        d->loadingNotice->setMargin(4);
        d->loadingNotice->hide();
        connect(d->browser.get(), &WebView::DownloadComplete, d->loadingNotice, &QWidget::hide);
        layoutPage();
    }
    return *d->browser;
}

void HtmlWindow::layoutPage() {
    const QRect area = d->page->rect();
    QWidget* code = pane().widget();
    QWidget* browser = d->browser ? d->browser->widget() : nullptr;
    if (splitView()) {
        const int half = area.width() / 2;
        code->setGeometry(0, 0, half, area.height());
        if (browser) browser->setGeometry(half, 0, area.width() - half, area.height());
    } else {
        code->setGeometry(area);
        if (browser) {
            browser->setGeometry(area);
            browser->raise();
        }
    }
    if (browser) {
        d->loadingNotice->adjustSize();
        // At the bottom left, as a browser shows its status, over as little of the page as can be.
        const QRect shown = browser->geometry();
        d->loadingNotice->move(shown.left() + NoticeMargin,
                               shown.bottom() + 1 - NoticeMargin - d->loadingNotice->height());
        d->loadingNotice->raise();
    }
}

void HtmlWindow::navigatePreview(const QString& address) {
    WebView& browser = ensureBrowser();
    // A large page still loading would keep the browser busy long after it was asked for
    // another: the new page waits behind the old one, and the preview stays blank meanwhile.
    if (browser.Busy()) browser.Stop();
    browser.Navigate(address);
    d->loadingNotice->setVisible(browser.Busy() && browser.widget()->isVisible());
}

bool HtmlWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == d->page && event->type() == QEvent::Resize) layoutPage();
    return EditorWindow::eventFilter(watched, event);
}

void HtmlWindow::ts_Click(int index) {
    if (index != 0) {
        RefreshPreview();
        return;
    }
    if (colouringBusy) return;
    if (d->browser && !splitView()) hideBrowser();
    pane().widget()->show();
    if (lineNumbersOn()) setGutterVisible(true);
}

void HtmlWindow::hideBrowser() {
    d->browser->widget()->hide();
    d->loadingNotice->hide();
}

void HtmlWindow::showCode() {
    d->ts->setCurrentIndex(0);
    if (d->browser) hideBrowser();
    pane().widget()->show();
    if (lineNumbersOn()) setGutterVisible(true);
}

void HtmlWindow::showPreview() {
    d->ts->setCurrentIndex(1);
    RefreshPreview();
    setGutterVisible(false);
}

void HtmlWindow::RefreshPreview() {
    d->previewTimer.stop();
    WebView& browser = ensureBrowser();
    browser.widget()->show();
    if (splitView()) {
        pane().widget()->show();
        if (lineNumbersOn()) setGutterVisible(true);
    } else {
        setGutterVisible(false);
    }
    layoutPage();
    // A preview that cannot be written is simply not refreshed.
    if (writePreview()) navigatePreview(previewPath());
}

bool HtmlWindow::writePreview() {
    EditorPane& p = pane();
    // The preview shows what the pane shows, also before the user chose how to save text that
    // the file's encoding cannot hold: then as UTF-8, with the mark that tells the browser so.
    const TextEncoding encoding =
        p.firstUnencodable().isEmpty() ? p.encoding() : TextEncoding::Utf8Bom;
    const QUrl base = previewBase(isUntitled() ? QString() : caption(),
                                  app().dialogs->startFolder(saveDialogRequest(KindHtml, false)));
    return writePlainText(previewPath(), withBaseAddress(p.Text(), base), encoding, nullptr);
}

QString HtmlWindow::browserAddress() {
    if (!isUntitled()) return caption();
    return writePreview() ? previewPath() : QString();
}

void HtmlWindow::refreshPreviewIfSplit() {
    if (splitView()) RefreshPreview();
}

void RefreshPreview(AppState& app) {
    if (auto* window = qobject_cast<HtmlWindow*>(app.currentHtmlWindow.data()))
        window->RefreshPreview();
}

void HtmlWindow::ScrollText() {
    const int lines = pane().lineCount();
    if (lines != d->lineCount) Initcount();
    if (d->typingHelp->listVisible()) pane().SetFocus();
}

void HtmlWindow::Initcount() { setGutterVisible(d->gutterVisible); }

void HtmlWindow::refreshCode(int& start, int& length) { d->colouring.refreshCode(start, length); }

void HtmlWindow::pastecode() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int start = pane().SelStart();
    {
        BusyFlag busy(colouringBusy);
        pane().Paste();
    }
    int length = pane().SelStart() - start;
    refreshCode(start, length);
    QApplication::restoreOverrideCursor();
}

void HtmlWindow::pasteFromClipboard() { pastecode(); }

void HtmlWindow::Fchangefont() {
    if (colouringBusy) return;
    AppState& a = app();
    EditorPane& p = pane();
    const int caret = p.SelStart();
    const bool newName = a.fontChanged && a.editorFontName != d->copy.fontName;
    if (newName || a.editorFontSize != d->copy.fontSize) {
        p.SetBaseFont(a.editorFontName.trimmed(), a.editorFontSize);
        p.SetSelStart(0);
        p.SetSelLength(p.TextLength());
        if (newName) p.SetSelFontName(a.editorFontName.trimmed());
        p.SetSelFontSize(a.editorFontSize);
        p.SetSelStart(caret);
        d->copy.fontName = a.editorFontName;
        d->copy.fontSize = a.editorFontSize;
    }
    // The font command changes the text colour too.
    if (!a.coloursChanged && !a.fontChanged) return;
    bool differed = false;
    for (auto [current, copy] : {std::pair{a.htmlTagColor, &d->copy.tag},
                                 std::pair{a.htmlParamColor, &d->copy.param},
                                 std::pair{a.htmlCommentColor, &d->copy.comment},
                                 std::pair{a.htmlTextColor, &d->copy.text}}) {
        if (current == *copy) continue;
        *copy = current;
        differed = true;
    }
    if (differed) d->colouring.recolourAll();
}

void HtmlWindow::recolourAll() {
    EditorPane& p = pane();
    const int caret = p.SelStart();
    Fchangefont();
    p.SetSelStart(caret);
    p.SetFocus();
}

void HtmlWindow::activate() {
    EditorWindow::activate();
    if (!app().coloursChanged && !app().fontChanged) return;
    pane().SetBackColor(app().htmlBackColor);
    Fchangefont();
}

void HtmlWindow::Change() {
    setModifiedTag(QStringLiteral("n"));
    // Every edit leaves the colours a fresh open of the text would give (keys, paste, undo,
    // commands); the colouring passes and the key handler colour theirs when done.
    if (app().insertBusy)
        d->commandColouring.start(0);
    else if (!colouringBusy)
        d->colouring.colourEdits();
    // Every change reaches the preview, also those made while the handlers below stay out
    // (Enter, typing over a selection, a paste).
    if (splitView()) d->previewTimer.start();
    if (undoRing().restoring() || colouringBusy || app().insertBusy) return;
    ScrollText();
    EditorPane& p = pane();
    if (!app().colourOnChange) {
        // A programmatic edit lowered the flag to skip this one change; the next one recolours.
        p.SetVisible(true);
        if (p.widget()->isVisible()) p.SetFocus();
        app().colourOnChange = true;
        p.SetHideSelection(false);
        return;
    }
    lastKeyBackspace = false;
    d->colouring.tagAtCaret();
}

void HtmlWindow::SelChange() {
    if (colouringBusy || app().insertBusy) return;
    typingPairs().caretMoved(pane());
    enableSelectionCommands();
    ScrollText();
}

void HtmlWindow::KeyPress(int& keyAscii) {
    if (colouringBusy) return;
    EditorPane& p = pane();
    // Outside the busy flag: a pair taken back is recoloured as any edit is.
    if (typingPairs().keyPress(p, keyAscii)) {
        keyAscii = 0;
        return;
    }
    if (p.SelStart() == 0) return;
    // What the key writes itself is coloured once the flag is down again.
    const auto colourAfter = qScopeGuard([this] { d->colouring.colourEdits(); });
    BusyFlag busy(colouringBusy);
    // A typed character replaces the selection; Enter does too, below, with its CR LF.
    if (p.SelLength() > 0 && keyAscii != '\b' && keyAscii != '\r') {
        p.SetSelText(QString(QChar(keyAscii)));
        keyAscii = 0;
        return;
    }
    AppState& a = app();
    switch (keyAscii) {
    case ' ':
        backup_code();
        break;
    case '\b':
        lastKeyBackspace = true;
        break;
    case '\r':
        a.keyInsertBusy = true;
        backup_code();
        p.SetSelText(lineBreakFor(p, a.keepIndentation));
        keyAscii = 0;
        a.colourOnChange = true;
        a.keyInsertBusy = false;
        break;
    case '"':
        a.colourOnChange = true;
        break;
    case '<':
        backup_code();
        a.colourOnChange = true;
        tagOpened = true;
        break;
    case '>':
        backup_code();
        a.colourOnChange = true;
        d->typingHelp->hideList();
        d->typingHelp->hideTooltip();
        d->typingHelp->closingBracketTyped(keyAscii);
        break;
    default:
        if (!a.keyInsertBusy) typedOtherKey(keyAscii);
        break;
    }
}

void HtmlWindow::typedOtherKey(int keyAscii) {
    EditorPane& p = pane();
    const int caret = p.SelStart();
    const char before = p.CharAt(caret - 1);
    // The first letter of a closing tag's name follows "</", not "<": it must recolour as well,
    // or a typed closing tag keeps the colour of the slash.
    const bool closingTagName = before == '/' && p.CharAt(caret - 2) == '<';
    const bool recolours = QByteArrayView("<>! \"").contains(before) || closingTagName;
    // The change this key makes can turn the text around it into a tag, or back.
    app().colourOnChange = recolours;
    if (recolours && before != ' ') d->typingHelp->hideTooltip();
    if (before == ' ' && keyAscii != ' ') d->typingHelp->hideList();

    QByteArray recent;
    for (int i = std::max(0, caret - 15); i < caret; ++i) recent += p.CharAt(i);
    const int open = recent.lastIndexOf('<');
    if (open < 0 || recent.indexOf('>', open) >= 0 || recent.indexOf(' ', open) >= 0) {
        if (recolours) d->typingHelp->hideList();
        return;
    }
    QString typed = QString::fromUtf8(recent.mid(open + 1)) + QChar(keyAscii);
    if (typed.startsWith(QLatin1Char('/'))) typed.remove(0, 1);
    d->typingHelp->tagNameTyped(typed);
}

void HtmlWindow::KeyDown(int& keyCode, Qt::KeyboardModifiers shift) {
    d->typingHelp->KeyDown(keyCode, shift);
}

void HtmlWindow::KeyUp(int& keyCode, Qt::KeyboardModifiers shift) {
    d->typingHelp->KeyUp(keyCode, shift);
}

void HtmlWindow::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    d->typingHelp->MouseDown(button, shift, x, y);
}

void HtmlWindow::MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y) {
    d->typingHelp->MouseMove(buttons, shift, x, y);
}
