#pragma once
// Script windows of each kind with distinct colours, the shipped keyword tables, scripted
// dialogs and a recording frame, and a way to read the colour of every byte.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <string>

#include "core/app_state.h"
#include "script/script_window.h"
#include "support/pane_probe.h"
#include "support/recording_frame.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

class ScriptFixture : public ::testing::Test {
protected:
    static constexpr Rgb Text = makeRgb(0, 0, 0);
    static constexpr Rgb Keyword = makeRgb(0, 0, 200);
    static constexpr Rgb Object = makeRgb(0, 150, 150);
    static constexpr Rgb Param = makeRgb(200, 0, 0);
    static constexpr Rgb Comment = makeRgb(0, 128, 0);
    static constexpr Rgb Other = makeRgb(90, 90, 90);

    ScriptFixture() {
        app.scriptTextColor = Text;
        app.scriptKeywordColor = Keyword;
        app.scriptObjectColor = Object;
        app.scriptParamColor = Param;
        app.scriptCommentColor = Comment;
        app.scriptBackColor = makeRgb(255, 255, 255);
        app.editorFontName = QStringLiteral("DejaVu Sans Mono");
        app.editorFontSize = 10;
        app.dialogs = &dialogs;
        app.frame = &frame;
        app.programFolder = TestEnvironment::programFolder();
        app.tables.loadAll(app.programFolder);
    }
    ~ScriptFixture() override {
        for (auto& window : windows) delete window.data();
    }

    // A new, empty window of the kind, shown and active.
    ScriptWindow& open(WindowKind kind) {
        auto* window = new ScriptWindow(app, kind);
        window->setCaption(EditorWindow::defaultName(kind) + QStringLiteral("1"));
        window->resize(800, 600);
        window->show();
        window->activate();
        windows << window;
        return *window;
    }

    // Puts text into the pane in the Other colour without colouring it.
    static void setText(ScriptWindow& window, const QByteArray& text) {
        window.busy = true;
        window.pane().SetText(text);
        window.pane().SelectAll();
        window.pane().SetSelColor(Other);
        window.pane().SetSelStart(0);
        window.busy = false;
    }

    // One letter per byte: T text, K keyword, B object, P param, C comment, O untouched.
    static std::string colours(EditorPane& pane) {
        return colourLetters(pane, {{Text, 'T'}, {Keyword, 'K'}, {Object, 'B'}, {Param, 'P'},
                                    {Comment, 'C'}, {Other, 'O'}});
    }

    // Types the text with real key events into the window's pane.
    static void type(ScriptWindow& window, const QString& text) {
        typeKeys(window.pane().widget(), text);
    }

    ScriptedDialogs dialogs;
    RecordingFrame frame;
    AppState app;
    QList<QPointer<ScriptWindow>> windows;
};
