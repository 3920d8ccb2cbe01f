#pragma once
// Editor windows of every kind for the find and spelling dialogs: the real HTML and script
// windows, and for documents a bare window over the document pane, since the dialogs see a
// window only as an EditorWindow.
#include <gtest/gtest.h>

#include <QPointer>
#include <memory>
#include <vector>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "core/rich_text_pane.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"
#include "script/script_window.h"
#include "support/recording_frame.h"
#include "support/recording_speaker.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

class BareDocumentWindow : public EditorWindow {
public:
    explicit BareDocumentWindow(AppState& app)
        : EditorWindow(app, KindDocument, std::make_unique<RichTextPane>()) {}
    bool SaveDocument() override { return true; }
    bool SaveDocumentAs() override { return true; }
};

class SearchFixture {
public:
    static constexpr Rgb Text = makeRgb(0, 0, 0);
    static constexpr Rgb Tag = makeRgb(0, 0, 200);
    static constexpr Rgb Misspelled = makeRgb(255, 0, 0);

    SearchFixture() {
        app.htmlTextColor = Text;
        app.htmlTagColor = Tag;
        app.htmlParamColor = makeRgb(200, 0, 0);
        app.htmlCommentColor = makeRgb(0, 128, 0);
        app.htmlMisspelledColor = Misspelled;
        app.htmlBackColor = makeRgb(255, 255, 255);
        app.editorFontName = QStringLiteral("DejaVu Sans Mono");
        app.dialogs = &dialogs;
        app.frame = &frame;
        app.speaker = &speaker;
        app.commands = &commands;
        frame.checked["split"] = false;
        app.programFolder = TestEnvironment::programFolder();
        app.tables.loadAll(app.programFolder);
    }
    ~SearchFixture() {
        for (const QPointer<EditorWindow>& window : windows) delete window.data();
    }

    // A new window of the kind holding the text, activated.
    EditorWindow& openWindow(WindowKind kind, const QByteArray& text) {
        EditorWindow* window = nullptr;
        if (kind == KindHtml) {
            auto* html = new HtmlWindow(app);
            html->setTypingHelp(std::make_unique<HtmlTypingHelp>());
            html->newfile(QStringLiteral("s"));
            window = html;
        } else if (kind == KindDocument) {
            window = new BareDocumentWindow(app);
        } else {
            window = new ScriptWindow(app, kind);
        }
        windows.push_back(window);
        app.insertBusy = true;  // put the text in as it is, uncoloured
        window->pane().SetText(text);
        window->pane().SetSelStart(0);
        app.insertBusy = false;
        window->activate();
        return *window;
    }

    static void select(EditorPane& pane, int start, int length) {
        pane.SetSelStart(start);
        pane.SetSelLength(length);
    }

    ScriptedDialogs dialogs;
    RecordingFrame frame;
    RecordingSpeaker speaker;
    CommandRegistry commands;
    AppState app;
    std::vector<QPointer<EditorWindow>> windows;
};
