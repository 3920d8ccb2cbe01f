#include "script/script_window.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

#include "core/edit_keys.h"
#include "core/frame.h"
#include "core/scintilla_pane.h"
#include "script/java_completion.h"
#include "script/script_scan.h"

namespace {
// A status bar panel: given its reserved width (or its text's, when that is wider) while the
// window has room, narrower with its text cut when it has not. A fixed minimum width would
// not shrink: the status bar's layout still places the next panel where the squeezed one
// should end, and the panels overlap.
class StatusPanel : public QLabel {
public:
    StatusPanel(int reserved, QWidget* parent) : QLabel(parent), reserved_(reserved) {}
    QSize sizeHint() const override {
        const QSize text = QLabel::sizeHint();
        return {std::max(reserved_, text.width()), text.height()};
    }
    QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

private:
    int reserved_;
};
}  // namespace

ScriptWindow::ScriptWindow(AppState& app, WindowKind kind, QWidget* parent)
    : EditorWindow(app, kind, std::make_unique<ScintillaPane>(), parent),
      row_(scriptKindRow(kind)),
      words_(std::make_unique<WordClassifier>(app.tables, row_)),
      copies_(std::make_unique<Copies>()) {
    busy = true;
    QWidget* code = pane().widget();
    code->setObjectName(QStringLiteral("code"));
    code->setContextMenuPolicy(Qt::PreventContextMenu);
    setFocusProxy(code);

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);
    // Wide enough for "Line Number " and "Col Number " with five digits, and for the longest
    // encoding name.
    const int numberWidth = status_->fontMetrics().horizontalAdvance(QStringLiteral("Line Number 00000 "));
    const int encodingWidth = status_->fontMetrics().horizontalAdvance(QStringLiteral("UTF-8 with BOM "));
    const int panelWidths[6] = {numberWidth * 2 / 3, 0,           numberWidth / 6,
                                encodingWidth,       numberWidth, numberWidth};
    for (int i = 0; i < 6; ++i) {
        panels_[i] = new StatusPanel(panelWidths[i], status_);
        panels_[i]->setContentsMargins(4, 0, 4, 0);
        status_->addWidget(panels_[i], i == 5 ? 1 : 0);
    }
    panels_[0]->setText(QString::fromLatin1(row_.statusName));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(code, 1);
    layout->addWidget(status_);

    EditorPane& p = pane();
    p.SetBaseFont(app.editorFontName.trimmed(), app.editorFontSize);
    *copies_ = {app.scriptTextColor, app.scriptParamColor, app.scriptCommentColor,
                app.scriptObjectColor, app.scriptKeywordColor, app.editorFontName,
                app.editorFontSize};
    p.SetBackColor(app.scriptBackColor);
    p.SetSelColor(app.scriptTextColor);
    p.SetLineNumbersVisible(!app.frame || app.frame->isCommandChecked(QStringLiteral("ln")));
    p.SetCurrentLineMarker(true);
    if (row_.memberLists) completion_ = std::make_unique<JavaCompletion>(*this);
    backup_code();
    busy = false;
    statusUpdate();
    encodingChanged();
}

// The fourth panel tells the encoding the file is saved in.
void ScriptWindow::showEncoding(const QString& name) { panels_[3]->setText(name); }

ScriptWindow::~ScriptWindow() = default;

JavaCompletion* ScriptWindow::completion() const { return completion_.get(); }
QStatusBar* ScriptWindow::StatusBar1() const { return status_; }
WordClassifier& ScriptWindow::words() { return *words_; }

QString ScriptWindow::panelText(int panel) const {
    return panel >= 1 && panel <= 6 ? panels_[panel - 1]->text() : QString();
}

ScriptColours ScriptWindow::colours() const {
    const AppState& a = app();
    return {a.scriptTextColor, a.scriptKeywordColor, a.scriptObjectColor, a.scriptParamColor,
            a.scriptCommentColor};
}

void ScriptWindow::activate() {
    EditorWindow::activate();
    pane().SetBackColor(app().scriptBackColor);
    recolourAll();
}

void ScriptWindow::statusUpdate() {
    if (busy) return;
    EditorPane& p = pane();
    const int caret = p.SelStart();
    const int line = p.GetLineFromChar(caret);
    panels_[4]->setText(QStringLiteral("Line Number ") + QString::number(line + 1));
    panels_[5]->setText(QStringLiteral("Col Number ") + QString::number(p.columnOf(caret)));
}

void ScriptWindow::markModified() {
    setModifiedTag(QStringLiteral("n"));
    panels_[2]->setText(QStringLiteral("*"));
    statusUpdate();
}

void ScriptWindow::Change() {
    if (busy) return;
    if (undoRing().restoring()) {
        // An undo or redo still changes what is on disk; what it brings back is not respelt.
        leftWord_.pos = -1;
        markModified();
        colourEdits(Respell::None);
        return;
    }
    markModified();
    correctLeftWord();
    colourEdits(Respell::AllButTheWordTyped);
    if (completion_) completion_->textChanged();
}

void ScriptWindow::SelChange() {
    if (busy) return;
    correctLeftWord();
    typingPairs().caretMoved(pane());
    statusUpdate();
    // Paste follows the clipboard through the main window, which watches it for every kind.
    enableSelectionCommands();
}

void ScriptWindow::KeyDown(int& keyCode, Qt::KeyboardModifiers shift) {
    if (completion_ && completion_->KeyDown(keyCode, shift)) return;
    if (handleEditShortcut(*this, keyCode, shift)) return;
    if (busy) keyCode = 0;
}

void ScriptWindow::KeyUp(int& keyCode, Qt::KeyboardModifiers shift) {
    Q_UNUSED(shift)
    if (keyCode == Qt::Key_Menu) popupEditMenuAt(*this, pane().caretRect().bottomLeft());
}

void ScriptWindow::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    Q_UNUSED(shift)
    if (completion_) completion_->hideList();  // the caret is going elsewhere
    if (button == Qt::RightButton) popupEditMenuAt(*this, QPoint(x, y));
}

// Writes opening + closing in the text colour and puts the caret just after the opening. The
// caret is taken from the pane, not from the template: the pane may write its line breaks
// shorter than the template does.
void ScriptWindow::writeTemplate(const QString& opening, const QString& closing) {
    EditorPane& p = pane();
    const int open = p.SelStart();
    p.SetSelColor(app().scriptTextColor);
    p.SetSelText(opening);
    const int caret = p.SelStart();
    p.SetSelText(closing);
    const int closer = p.SelStart() - 1;
    p.SetSelStart(caret);
    typingPairs().written(p, open, caret, closer);
}

// A template pair is only wanted in code, and not where the user is about to wrap a word.
bool ScriptWindow::pairWanted() const {
    const EditorPane& p = pane();
    return pairMayOpenBefore(p.CharAt(p.SelStart())) &&
           !insideStringOrComment(lineBeforeCaret(p), row_.commentMarker);
}

void ScriptWindow::KeyPress(int& keyAscii) {
    if (busy) {
        keyAscii = 0;
        return;
    }
    if (completion_ && completion_->KeyPress(keyAscii)) return;
    if (typingPairs().keyPress(pane(), keyAscii)) {
        keyAscii = 0;
        return;
    }
    switch (keyAscii) {
    case '(':
        if (!pairWanted()) break;
        writeTemplate(QStringLiteral("("), QStringLiteral(" )"));
        keyAscii = 0;
        break;
    case '{':
        if (!row_.braceTemplate || !pairWanted()) break;
        writeTemplate(QStringLiteral("{\r\n"), QStringLiteral("\r\n}"));
        keyAscii = 0;
        break;
    case '\r':
        // Each line typed is a step of the undo history, in every kind; a keyword that ends
        // the line goes into it with the table's spelling.
        correctLeftWord(true);
        backup_code();
        pane().SetSelText(lineBreakFor(pane(), app().keepIndentation));
        keyAscii = 0;
        break;
    default:
        break;
    }
}
