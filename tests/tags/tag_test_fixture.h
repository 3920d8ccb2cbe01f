#pragma once
// An HTML window with the tag commands registered, distinct colours for tag, text, quoted value
// and comment, and a frame and a preview that record what they are asked.
#include <gtest/gtest.h>

#include <QWidget>
#include <memory>
#include <ostream>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "html/html_window.h"
#include "support/pane_probe.h"
#include "support/recording_frame.h"
#include "support/recording_web_view.h"
#include "support/scripted_dialogs.h"
#include "tags/tag_commands.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

class TagTest : public ::testing::Test {
protected:
    static constexpr Rgb Tag = makeRgb(0, 0, 200);
    static constexpr Rgb Text = makeRgb(1, 2, 3);
    static constexpr Rgb Param = makeRgb(200, 0, 0);
    static constexpr Rgb Comment = makeRgb(0, 150, 0);

    AppState app;
    ScriptedDialogs dialogs;
    CommandRegistry commands;
    RecordingFrame frame;
    RecordingWebViews browsers;
    QWidget frameWindow;
    std::unique_ptr<HtmlWindow> window;

    void SetUp() override {
        app.htmlTagColor = Tag;
        app.htmlTextColor = Text;
        app.htmlParamColor = Param;
        app.htmlCommentColor = Comment;
        app.dialogs = &dialogs;
        app.commands = &commands;
        frame.widget = &frameWindow;
        frame.checked[QStringLiteral("split")] = false;
        app.frame = &frame;
        registerTagCommands(app);
        window = std::make_unique<HtmlWindow>(app);
        window->activate();
        frame.activeWindow = window.get();
    }

    EditorPane& pane() { return window->pane(); }
    QByteArray text() { return pane().Text(); }
    void setText(const QByteArray& content, int selStart, int selLength = 0) {
        pane().SetText(content);
        pane().SetSelStart(selStart);
        pane().SetSelLength(selLength);
    }
    // One letter per byte: T tag, x text, P quoted value, C comment, ? anything else.
    QString colours(int from, int to) {
        return QString::fromStdString(colourLetters(
            pane(), {{Tag, 'T'}, {Text, 'x'}, {Param, 'P'}, {Comment, 'C'}}, from, to));
    }
    bool run(const char* command) { return commands.run(QString::fromLatin1(command)); }
};
