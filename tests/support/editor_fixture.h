#pragma once
// The fixture the window tests share: an application state with a colour of its own for every
// kind of text, the shipped tables, and scripted or recording stand-ins for the dialogs, the
// frame, the speaker, the browser and the command registry. The windows it opens are shown,
// active, and deleted with it.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "core/rich_text_pane.h"
#include "core/scintilla_pane.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"
#include "script/script_window.h"
#include "support/pane_probe.h"
#include "support/recording_frame.h"
#include "support/recording_speaker.h"
#include "support/recording_web_view.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

// A window of any kind over a pane of its own that counts what is asked of it; Save does what
// `save` says (nothing, by default).
class StubWindow : public EditorWindow {
public:
    StubWindow(AppState& app, WindowKind kind,
               std::unique_ptr<EditorPane> pane = std::make_unique<ScintillaPane>())
        : EditorWindow(app, kind, std::move(pane)) {}
    bool SaveDocument() override {
        ++saves;
        return save ? save() : true;
    }
    bool SaveDocumentAs() override { return SaveDocument(); }
    void recolourAll() override {
        ++recolours;
        if (duringRecolour) duringRecolour();
    }
    void refreshPreviewIfSplit() override { ++previews; }

    std::function<bool()> save;
    std::function<void()> duringRecolour;
    int saves = 0;
    int recolours = 0;
    int previews = 0;
};

class EditorFixture : public ::testing::Test {
protected:
    static constexpr Rgb Text = makeRgb(1, 2, 3);
    static constexpr Rgb Tag = makeRgb(0, 0, 200);
    static constexpr Rgb Keyword = makeRgb(0, 0, 150);
    static constexpr Rgb Object = makeRgb(0, 150, 150);
    static constexpr Rgb Param = makeRgb(200, 0, 0);
    static constexpr Rgb Comment = makeRgb(0, 128, 0);
    static constexpr Rgb Misspelled = makeRgb(255, 0, 0);
    static constexpr Rgb Other = makeRgb(90, 90, 90);

    EditorFixture() {
        app.htmlTextColor = app.scriptTextColor = Text;
        app.htmlParamColor = app.scriptParamColor = Param;
        app.htmlCommentColor = app.scriptCommentColor = Comment;
        app.htmlBackColor = app.scriptBackColor = makeRgb(255, 255, 255);
        app.htmlTagColor = Tag;
        app.htmlMisspelledColor = Misspelled;
        app.scriptKeywordColor = Keyword;
        app.scriptObjectColor = Object;
        app.editorFontName = QStringLiteral("DejaVu Sans Mono");
        app.editorFontSize = 10;
        app.dialogs = &dialogs;
        app.frame = &frame;
        app.speaker = &speaker;
        app.commands = &commands;
        frame.checked[QStringLiteral("split")] = false;
        app.programFolder = TestEnvironment::programFolder();
        app.tables.loadAll(app.programFolder);
    }
    ~EditorFixture() override {
        for (const QPointer<EditorWindow>& window : windows) delete window.data();
    }

    // An HTML window with the plain typing help (no completion list, no closing tags: the
    // typing help's own tests put it back), untitled "noname1".
    HtmlWindow& openHtml() {
        auto* window = new HtmlWindow(app);
        window->setTypingHelp(std::make_unique<HtmlTypingHelp>());
        window->setCaption(QStringLiteral("noname1"));
        window->newfile(QStringLiteral("s"));
        return adopt(window);
    }
    ScriptWindow& openScript(WindowKind kind) {
        return adopt(named(new ScriptWindow(app, kind)));
    }
    // Takes the window into the test: shown at 800 x 600, active, deleted with the fixture.
    template <typename Window>
    Window& adopt(Window* window) {
        windows << window;
        window->resize(800, 600);
        window->show();
        window->activate();
        frame.activeWindow = window;
        return *window;
    }
    // A stub window of the kind holding the text, unmodified, as a file just opened.
    StubWindow& openStub(WindowKind kind, const QByteArray& text = {},
                         std::unique_ptr<EditorPane> pane = std::make_unique<ScintillaPane>()) {
        auto* window = named(new StubWindow(app, kind, std::move(pane)));
        window->pane().SetText(text);
        window->setModifiedTag(QStringLiteral("s"));
        return adopt(window);
    }

    // The window a user gets for the kind (a stub over the document pane for documents),
    // holding the text as it is, uncoloured.
    EditorWindow& open(WindowKind kind, const QByteArray& text = {}) {
        EditorWindow* window = kind == KindHtml ? &openHtml() : nullptr;
        if (kind == KindDocument) window = &openStub(kind, {}, std::make_unique<RichTextPane>());
        if (!window) window = &openScript(kind);
        app.insertBusy = true;
        window->pane().SetText(text);
        window->pane().SetSelStart(0);
        app.insertBusy = false;
        window->activate();
        return *window;
    }
    // Puts the text into the pane in the Other colour without colouring it, respelling it or
    // counting it as an edit.
    void setText(EditorWindow& window, const QByteArray& text) {
        auto* script = dynamic_cast<ScriptWindow*>(&window);
        auto* html = dynamic_cast<HtmlWindow*>(&window);
        if (script) script->busy = true;
        if (html) html->colouringBusy = true;
        app.insertBusy = true;
        window.pane().SetText(text);
        window.pane().SelectAll();
        window.pane().SetSelColor(Other);
        window.pane().SetSelStart(0);
        app.insertBusy = false;
        if (html) html->colouringBusy = false;
        if (script) script->busy = false;
    }
    // One letter per byte: T text, G tag, K keyword, B object, P param, C comment,
    // M misspelled, O untouched, ? anything else.
    static std::string colours(EditorPane& pane, int from = 0, int to = -1) {
        return colourLetters(pane,
                             {{Text, 'T'}, {Tag, 'G'}, {Keyword, 'K'}, {Object, 'B'}, {Param, 'P'},
                              {Comment, 'C'}, {Misspelled, 'M'}, {Other, 'O'}},
                             from, to);
    }
    static void type(EditorWindow& window, const QString& text) {
        typeKeys(window.pane().widget(), text);
    }
    static void select(EditorPane& pane, int start, int length) {
        pane.SetSelStart(start);
        pane.SetSelLength(length);
    }

    RecordingWebViews browsers;
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    RecordingSpeaker speaker;
    CommandRegistry commands;
    AppState app;
    QList<QPointer<EditorWindow>> windows;

private:
    // Captioned as a new window of its kind is: "VBScript1", "Java1".
    template <typename Window>
    static Window* named(Window* window) {
        window->setCaption(EditorWindow::defaultName(window->kind()) + QStringLiteral("1"));
        return window;
    }
};

// An HTML window open for the test.
class HtmlFixture : public EditorFixture {
protected:
    HtmlFixture() : window(&openHtml()) {}
    EditorPane& pane() { return window->pane(); }
    using EditorFixture::colours;
    using EditorFixture::setText;
    using EditorFixture::type;
    void setText(const QByteArray& text) { setText(*window, text); }
    std::string colours() { return colours(pane()); }
    void type(const QString& text) { type(*window, text); }
    void refreshAll() {
        int start = 0;
        int length = pane().TextLength();
        window->refreshCode(start, length);
    }

    QPointer<HtmlWindow> window;
};
