#include "tags/page_wizard.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabBar>
#include <QVBoxLayout>

#include "core/app_state.h"
#include "core/colour_swatch.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "tags/tag_insertion.h"
#include "tags/wizard_widgets.h"

namespace {
void colourRange(EditorPane& pane, int from, int to, Rgb colour) {
    if (to <= from) return;
    pane.SetSelStart(from);
    pane.SetSelLength(to - from);
    pane.SetSelColor(colour);
}

// Colours text, tags and comments of the whole text, without looking tag names up; the window
// stays responsive on a long text.
void colourPage(EditorPane& pane, const AppState& app) {
    int textFrom = 0;
    for (;;) {
        const int open = pane.Find(QStringLiteral("<"), textFrom);
        if (open < 0) break;
        colourRange(pane, textFrom, open, app.htmlTextColor);
        const Rgb colour = pane.CharAt(open + 1) == '!' ? app.htmlCommentColor : app.htmlTagColor;
        const int close = pane.Find(QStringLiteral(">"), open + 1);
        const int end = close < 0 ? pane.TextLength() : close + 1;
        colourRange(pane, open, end, colour);
        textFrom = end;
        pane.SetSelStart(end);
        QCoreApplication::processEvents();
        if (close < 0) break;
    }
}

QString rgbCall(Rgb colour) { return QStringLiteral("rgb(%1)").arg(rgbTriple(colour)); }
}  // namespace

const QStringList& htmlVersions() {
    static const QStringList versions = {
        QStringLiteral("HTML 2.0"),
        QStringLiteral("HTML 3.2"),
        QStringLiteral("HTML 4.0 transitional"),
        QStringLiteral("HTML 4.0 frameset"),
        QStringLiteral("HTML 4.0 strict"),
        QStringLiteral("HTML 4.01 transitional"),
        QStringLiteral("HTML 4.01 frameset"),
        QStringLiteral("HTML 4.01 strict"),
    };
    return versions;
}

QString pageSkeleton(const PageChoices& choices) {
    const QString nl = QStringLiteral("\r\n");
    auto meta = [&](const char* name, const QString& content) {
        return QStringLiteral("<meta name=\"%1\"Content = \"%2\" > ")
                   .arg(QLatin1String(name), content) +
               nl;
    };
    QString page = QStringLiteral("<!DOCTYPE HTML PUBLIC\"-//W3C//DTD ") + choices.version +
                   QStringLiteral("//EN\">") + nl;
    page += QStringLiteral("<html>") + nl + QStringLiteral("<head>") + nl;
    page += QStringLiteral("<title>") + choices.title + QStringLiteral("</title>") + nl;
    page += meta("Description", choices.description);
    page += meta("Generator", QStringLiteral("The Tessavel editor 2005"));
    page += meta("Keywords", choices.keywords);
    page += QStringLiteral("</head>") + nl;
    page += QStringLiteral("<body bgcolor=") + rgbCall(choices.background) +
            QStringLiteral("  text= ") + rgbCall(choices.text) + QStringLiteral("  link= ") +
            rgbCall(choices.link) + QStringLiteral("  vlink= ") + rgbCall(choices.visitedLink);
    if (!choices.image.isEmpty()) page += QStringLiteral("  background=\"") + choices.image + '"';
    page += QStringLiteral(">") + nl;
    if (!choices.sound.isEmpty())
        page += QStringLiteral("<bgsound src = \"") + choices.sound + QStringLiteral("\">") + nl;
    page += QStringLiteral("Add your code here") + nl;
    page += QStringLiteral("</body>") + nl + QStringLiteral("</html>");
    return page;
}

void writePage(EditorWindow& window, const PageChoices& choices) {
    AppState& app = window.app();
    EditorPane& pane = window.pane();
    {
        QScopedValueRollback<bool> busy(app.insertBusy, true);
        pane.SetVisible(false);
        pane.SetBaseFont(app.editorFontName.trimmed(), app.editorFontSize);
        pane.SetSelText(pageSkeleton(choices));
        auto* html = qobject_cast<HtmlWindow*>(&window);
        if (html)
            html->newfile(QStringLiteral("n"));
        else
            window.setModifiedTag(QStringLiteral("n"));
        pane.SetVisible(true);
        window.refreshPreviewIfSplit();
        // Show the new page as it will look, as a click on the preview tab would.
        if (html && html->ts()->currentIndex() == 0) {
            html->ts()->setCurrentIndex(1);
            html->RefreshPreview();
        }
        colourPage(pane, app);
        window.Initcount();
    }
    window.backup_code();
}

Form2::Form2(AppState& app)
    : QWidget(nullptr, Qt::Window), app_(app),
      frameDisabled_(app.frameWidget()) {
    makeWizardWindow(this, QStringLiteral("New web page"));

    List1 = new QListWidget(this);
    List1->addItems(htmlVersions());
    List1->setCurrentRow(0);
    Text1 = new QLineEdit(QStringLiteral("untitled web page"), this);
    Text2 = new QLineEdit(this);
    Text3 = new QLineEdit(this);
    image_name = new QLineEdit(this);
    sound_name = new QLineEdit(this);
    image_open = new QPushButton(QStringLiteral("Browse..."), this);
    sound_open = new QPushButton(QStringLiteral("Browse..."), this);
    connect(image_open, &QPushButton::clicked, this, &Form2::image_open_Click);
    connect(sound_open, &QPushButton::clicked, this, &Form2::sound_open_Click);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Enter title for web page :"), Text1);
    fields->addRow(QStringLiteral("Enter META Description :"), Text2);
    fields->addRow(QStringLiteral("Enter META Keyword:"), Text3);
    auto withBrowse = [this](QLineEdit* field, QPushButton* button) {
        auto* row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(button);
        return row;
    };
    fields->addRow(QStringLiteral("Back ground image file:"), withBrowse(image_name, image_open));
    fields->addRow(QStringLiteral("Back ground sound file:"), withBrowse(sound_name, sound_open));

    auto* versionBox = new QVBoxLayout;
    versionBox->addWidget(new QLabel(QStringLiteral("Select HTML version"), this));
    versionBox->addWidget(List1);
    List1->setMaximumWidth(200);

    const PageChoices defaults;
    auto* colours = new QGroupBox(QStringLiteral("Page color"), this);
    auto* colourGrid = new QGridLayout(colours);
    bgcolor = new ColourSwatch(app, defaults.background, QStringLiteral("Background Color"),
                               colours);
    textcolor = new ColourSwatch(app, defaults.text, QStringLiteral("Text  Color"), colours);
    linkcolor = new ColourSwatch(app, defaults.link, QStringLiteral("Unvisited link  Color"),
                                 colours);
    vlinkcolor = new ColourSwatch(app, defaults.visitedLink, QStringLiteral("Visited link Color"),
                                  colours);
    colourGrid->addWidget(bgcolor, 0, 0);
    colourGrid->addWidget(textcolor, 0, 1);
    colourGrid->addWidget(linkcolor, 1, 0);
    colourGrid->addWidget(vlinkcolor, 1, 1);

    bgcolort = new QFrame(this);
    bgcolort->setFrameShape(QFrame::StyledPanel);
    bgcolort->setAutoFillBackground(true);
    textcolort = new QLabel(QStringLiteral("This is your normal text"), bgcolort);
    linkcolort = new QLabel(QStringLiteral("This link is not visited yet!"), bgcolort);
    vlinkcolort = new QLabel(QStringLiteral("This link is visited ......."), bgcolort);
    auto* sample = new QVBoxLayout(bgcolort);
    for (QLabel* label : {textcolort, linkcolort, vlinkcolort}) {
        label->setAutoFillBackground(true);
        sample->addWidget(label);
    }
    for (ColourSwatch* swatch : {bgcolor, textcolor, linkcolor, vlinkcolor})
        connect(swatch, &ColourSwatch::colourChanged, this, &Form2::showSampleColours);
    showSampleColours();

    Command1 = new QPushButton(QStringLiteral("&OK"), this);
    Command1->setDefault(true);
    Command2 = new QPushButton(QStringLiteral("&CANCEL"), this);
    Command3 = new QPushButton(QStringLiteral("&Help"), this);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
    connect(Command3, &QPushButton::clicked, this, [this] {
        if (app_.commands) app_.commands->run(QStringLiteral("mnuHelpContents"));
    });

    auto* top = new QHBoxLayout;
    top->addLayout(versionBox);
    top->addLayout(fields, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(colours);
    bottom->addWidget(bgcolort, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Command1, Command2, Command3}) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    layout->addLayout(buttons);
}

void Form2::closeEvent(QCloseEvent* event) {
    frameDisabled_.release();
    QWidget::closeEvent(event);
}

void Form2::showSampleColours() {
    paintRole(bgcolort, QPalette::Window, bgcolor->colour());
    const struct {
        QLabel* sample;
        ColourSwatch* swatch;
    } samples[] = {{textcolort, textcolor}, {linkcolort, linkcolor}, {vlinkcolort, vlinkcolor}};
    for (const auto& s : samples) {
        paintRole(s.sample, QPalette::Window, bgcolor->colour());
        paintRole(s.sample, QPalette::WindowText, s.swatch->colour());
    }
}

PageChoices Form2::choices() const {
    PageChoices choices;
    if (const QListWidgetItem* item = List1->currentItem()) choices.version = item->text();
    choices.title = Text1->text();
    choices.description = Text2->text();
    choices.keywords = Text3->text();
    choices.image = image_name->text();
    choices.sound = sound_name->text();
    choices.background = bgcolor->colour();
    choices.text = textcolor->colour();
    choices.link = linkcolor->colour();
    choices.visitedLink = vlinkcolor->colour();
    return choices;
}

void Form2::browse(QLineEdit* target, const QString& title, const QString& filter,
                   const QString& defaultExt) {
    const auto path = app_.dialogs->openFile({title, filter, defaultExt, QString()});
    if (path) target->setText(*path);
}

void Form2::image_open_Click() {
    browse(image_name, QStringLiteral("Open image file to display in background"),
           QStringLiteral("Windows bitmap|*.bmp|Gif files|*.gif|Icons|*.ico|Cursor|*.cur|"
                          "Jpeg|*.jpeg|All files|*.*"),
           QStringLiteral("*.gif"));
}

void Form2::sound_open_Click() {
    browse(sound_name, QStringLiteral("Open sound file to play in background"),
           QStringLiteral("wav file(*.wav)|*.wav|Avi files(*.avi)|*.avi|MP3|*.mp3|"
                          "Cda track file|*.cda|All files|*.*"),
           QStringLiteral("*.wav"));
}

void Form2::Command1_Click() {
    EditorWindow* window = app_.frame ? qobject_cast<EditorWindow*>(app_.frame->activeChild())
                                       : app_.currentHtmlWindow.data();
    if (window && window->kind() == KindHtml) {
        app_.currentHtmlWindow = window;
        frameDisabled_.release();
        writePage(*window, choices());
    }
    close();
}

Form2* openPageWizard(AppState& app) {
    auto* wizard = new Form2(app);
    wizard->show();
    return wizard;
}
