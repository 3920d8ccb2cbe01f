#pragma once
// An HTML window with distinct colours, the shipped tag tables, scripted dialogs, a recording
// frame and a recording browser, and a way to read the colour of every byte at once.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <string>

#include "core/app_state.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"
#include "support/pane_probe.h"
#include "support/recording_frame.h"
#include "support/recording_web_view.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

class HtmlFixture : public ::testing::Test {
protected:
    static constexpr Rgb Text = makeRgb(0, 0, 0);
    static constexpr Rgb Tag = makeRgb(0, 0, 200);
    static constexpr Rgb Param = makeRgb(200, 0, 0);
    static constexpr Rgb Comment = makeRgb(0, 128, 0);
    static constexpr Rgb Other = makeRgb(90, 90, 90);

    HtmlFixture() {
        app.htmlTextColor = Text;
        app.htmlTagColor = Tag;
        app.htmlParamColor = Param;
        app.htmlCommentColor = Comment;
        app.htmlBackColor = makeRgb(255, 255, 255);
        app.editorFontName = QStringLiteral("DejaVu Sans Mono");
        app.editorFontSize = 10;
        app.dialogs = &dialogs;
        app.frame = &frame;
        frame.checked["split"] = false;
        app.programFolder = TestEnvironment::programFolder();
        app.tables.loadAll(app.programFolder);
        window = new HtmlWindow(app);
        // These tests type plain text: no completion list, no closing tags. The typing help's
        // own tests put it back.
        window->setTypingHelp(std::make_unique<HtmlTypingHelp>());
        window->setCaption(QStringLiteral("noname1"));
        window->newfile(QStringLiteral("s"));
        window->resize(800, 600);
        window->show();
        window->activate();
    }
    ~HtmlFixture() override { delete window.data(); }

    EditorPane& pane() { return window->pane(); }

    // Puts text into the pane in the Other colour without recolouring it.
    void setText(const QByteArray& text) {
        window->colouringBusy = true;
        pane().SetText(text);
        pane().SetSelStart(0);
        pane().SetSelLength(text.size());
        pane().SetSelColor(Other);
        pane().SetSelStart(0);
        window->colouringBusy = false;
    }

    void refreshAll() {
        int start = 0;
        int length = pane().TextLength();
        window->refreshCode(start, length);
    }

    // One letter per byte: T text, G tag, P param, C comment, O untouched, ? anything else.
    std::string colours() {
        return colourLetters(pane(), {{Text, 'T'}, {Tag, 'G'}, {Param, 'P'}, {Comment, 'C'},
                                      {Other, 'O'}});
    }

    // Types the text with real key events into the pane.
    void type(const QString& text) { typeKeys(pane().widget(), text); }

    RecordingWebViews browsers;
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    AppState app;
    QPointer<HtmlWindow> window;
};
