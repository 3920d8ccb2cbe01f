#include "support/editor_fixture.h"

#include <utility>

#include "core/rich_text_pane.h"
#include "html/html_typing_help.h"

EditorFixture::EditorFixture() {
    const std::pair<Rgb AppState::*, Rgb> colours[] = {
        {&AppState::htmlTextColor, Text},        {&AppState::htmlTagColor, Tag},
        {&AppState::htmlParamColor, Param},      {&AppState::htmlCommentColor, Comment},
        {&AppState::htmlMisspelledColor, Misspelled}, {&AppState::scriptTextColor, Text},
        {&AppState::scriptKeywordColor, Keyword}, {&AppState::scriptObjectColor, Object},
        {&AppState::scriptParamColor, Param},    {&AppState::scriptCommentColor, Comment},
        {&AppState::htmlBackColor, makeRgb(255, 255, 255)},
        {&AppState::scriptBackColor, makeRgb(255, 255, 255)},
    };
    for (const auto& [setting, colour] : colours) app.*setting = colour;
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

EditorFixture::~EditorFixture() {
    for (const QPointer<EditorWindow>& window : windows) delete window.data();
}

HtmlWindow& EditorFixture::openHtml() {
    auto* window = new HtmlWindow(app);
    window->setTypingHelp(std::make_unique<HtmlTypingHelp>());
    window->setCaption(QStringLiteral("noname1"));
    window->newfile(QStringLiteral("s"));
    return adopt(window);
}

ScriptWindow& EditorFixture::openScript(WindowKind kind) {
    auto* window = new ScriptWindow(app, kind);
    window->setCaption(EditorWindow::defaultName(kind) + QStringLiteral("1"));
    return adopt(window);
}

StubWindow& EditorFixture::openStub(WindowKind kind, const QByteArray& text,
                                    std::unique_ptr<EditorPane> pane) {
    auto* window = new StubWindow(app, kind, std::move(pane));
    window->setCaption(EditorWindow::defaultName(kind) + QStringLiteral("1"));
    window->pane().SetText(text);
    window->setModifiedTag(QStringLiteral("s"));
    return adopt(window);
}

EditorWindow& EditorFixture::open(WindowKind kind, const QByteArray& text) {
    EditorWindow& window = kind == KindHtml ? static_cast<EditorWindow&>(openHtml())
                           : kind == KindDocument
                               ? static_cast<EditorWindow&>(openStub(kind, {}, std::make_unique<RichTextPane>()))
                               : static_cast<EditorWindow&>(openScript(kind));
    app.insertBusy = true;
    window.pane().SetText(text);
    window.pane().SetSelStart(0);
    app.insertBusy = false;
    window.activate();
    return window;
}

void EditorFixture::setText(EditorWindow& window, const QByteArray& text) {
    // The flags that keep a change from being coloured, respelled or counted as an edit.
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

std::string EditorFixture::colours(EditorPane& pane, int from, int to) {
    return colourLetters(pane,
                         {{Text, 'T'}, {Tag, 'G'}, {Keyword, 'K'}, {Object, 'B'}, {Param, 'P'},
                          {Comment, 'C'}, {Misspelled, 'M'}, {Other, 'O'}},
                         from, to);
}
