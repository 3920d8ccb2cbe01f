// Typing, paste, an insertion command, Replace All, undo and redo at random in real code
// windows, against what the user has seen: only texts the user saw are shown, Undo and Redo are
// on exactly when they change something, an edit ends the redo branch, Replace All is one step,
// and undoing (redoing) while on returns to the file as opened (the latest text).
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <set>

#include "core/editor_window.h"
#include "hardening/random_text.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"
#include "search/find_dialog.h"
#include "shell/frame_fixture.h"
#include "support/pane_probe.h"
#include "support/test_environment.h"

namespace {
constexpr int UndoButton = 14;
constexpr int RedoButton = 15;

struct UndoCase {
    const char* file;
    const char* line;     // the opened file is eighty of these: eighty matches for Replace All
    const char* command;  // an insertion command of the kind
    unsigned seed;
};

const UndoCase undoCases[] = {
    {"page.html", "<p>a zebra here</p>\r\n", "bold", 2001},
    {"script.vbs", "MsgBox \"zebra\" ' zebra\r\n", "td", 2002},
};

// What the keyboard types: letters, words, Enter (\n), Backspace (\b) and the keys that take
// snapshots in HTML windows.
const std::string_view typed[] = {"a", "b", " ", "zebra", "horse", "\n", "\b", "<", ">", "<p>",
                                  "Dim ", "'", "\""};

class UndoRandomTest : public FrameFixture, public ::testing::WithParamInterface<UndoCase> {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        path = QDir(TestEnvironment::programFolder()).filePath(QLatin1String(GetParam().file));
        opened = QByteArray(GetParam().line).repeated(80);
        ASSERT_TRUE(TestEnvironment::writeFile(path, opened));
        frame->openFiles({path});
        window = app.activeWindow();
        ASSERT_NE(window, nullptr);
        // Plain typing: no completion list to take keys away.
        if (auto* html = qobject_cast<HtmlWindow*>(window))
            html->setTypingHelp(std::make_unique<HtmlTypingHelp>());
        seen = {opened};
        latest = opened;
    }

    EditorPane& pane() { return window->pane(); }
    QByteArray text() { return pane().Text(); }
    bool undoOn() { return on("Undo") && button(UndoButton); }
    bool redoOn() { return on("redo") && button(RedoButton); }

    // Edits the text the user's way. When the text changed, the user saw the new one: it is the
    // latest, and redo has nothing left to put over it.
    template <typename Edit>
    void edit(const char* what, Edit&& doIt) {
        const QByteArray before = text();
        doIt();
        if (text() == before) return;
        seen.insert(text());
        latest = text();
        EXPECT_FALSE(on("redo") || button(RedoButton)) << what << " left Redo on";
        EXPECT_EQ(on("Undo"), button(UndoButton));
        // Back at the text as opened Undo may have nothing to do; anywhere else it has.
        if (text() != opened) EXPECT_TRUE(undoOn()) << what << " left Undo off";
    }

    void placeCaret() {
        pane().SetSelStart(random.below(pane().TextLength() + 1));
        if (random.chance(20)) pane().SetSelLength(random.below(12));
    }

    void typeSome() {
        placeCaret();
        for (int n = 1 + random.below(6); n > 0; --n) {
            const std::string_view piece = typed[random.below(int(std::size(typed)))];
            for (const char key : piece)
                edit("typing", [&] { typeKeys(pane().widget(), QString(QChar(key))); });
        }
    }

    // Undo or Redo as the user can: the menu command when it is on, the key when it is off.
    // Either way it changes what is shown exactly when the command is on.
    void step(bool back) {
        const bool enabled = back ? undoOn() : redoOn();
        const PaneSnapshot before = pane().Snapshot();
        if (enabled) run(back ? "Undo" : "redo");
        else if (back) window->undo_code();
        else window->redo_code();
        const PaneSnapshot after = pane().Snapshot();
        const bool changed = after.text != before.text || after.attributes != before.attributes;
        EXPECT_EQ(enabled, changed) << (back ? "Undo" : "Redo") << " was "
                                    << (enabled ? "on" : "off");
        EXPECT_TRUE(seen.count(after.text)) << "shows a text never seen: " << after.text.toStdString();
    }

    // Replace All swaps every match at once, and one Undo takes all of them back.
    void replaceAll() {
        run("replace");
        auto* find = frame->findChild<FindDialog*>();
        ASSERT_NE(find, nullptr);
        const bool toHorse = random.chance(50);
        find->tfind->setEditText(toHorse ? QStringLiteral("zebra") : QStringLiteral("horse"));
        find->treplace->setEditText(toHorse ? QStringLiteral("horse") : QStringLiteral("zebra"));
        find->Option1_Click();
        const QByteArray before = text();
        edit("Replace All", [&] { find->replaceAll_Click(); });
        const QByteArray after = text();
        if (after == before) return;  // nothing replaced: no edit, Redo stays as it was
        run("Undo");
        ASSERT_EQ(text().toStdString(), before.toStdString()) << "one Undo does not take back Replace All";
        // Autosave now writes the text as it was before Replace All, every byte of it.
        for (int tick = 0; tick < EditorWindow::AutosaveTicksPerSave; ++tick) window->Timer1_Timer();
        EXPECT_EQ(TestEnvironment::readFile(path).toStdString(), before.toStdString());
        run("redo");
        ASSERT_EQ(text().toStdString(), after.toStdString());
    }

    // Undo as long as it is on ends at the file as opened; Redo as long as it is on, at the
    // latest text.
    void undoAllRedoAll() {
        for (int n = 0; undoOn() && n < 200; ++n) run("Undo");
        EXPECT_EQ(text().toStdString(), opened.toStdString()) << "Undo stops short of the file as opened";
        for (int n = 0; redoOn() && n < 200; ++n) run("redo");
        EXPECT_EQ(text().toStdString(), latest.toStdString()) << "Redo does not come back to the latest text";
    }

    RandomText random{GetParam().seed};
    QString path;
    QByteArray opened;
    QByteArray latest;
    std::set<QByteArray> seen;
    EditorWindow* window = nullptr;
};
}  // namespace

TEST_P(UndoRandomTest, UndoAndRedoNeverShowAnUnseenTextNorLoseTyping) {
    for (int i = 0; i < 1500 && !HasFailure(); ++i) {
        const int roll = random.below(100);
        SCOPED_TRACE(testing::Message() << "step " << i << " roll " << roll);
        if (roll < 40) {
            typeSome();
        } else if (roll < 48) {
            QApplication::clipboard()->setText(random.chance(50) ? "pasted zebra" : "\r\nx");
            placeCaret();
            edit("Paste", [&] { run("Paste"); });
        } else if (roll < 56) {
            placeCaret();
            edit(GetParam().command, [&] { run(GetParam().command); });
        } else if (roll < 59) {
            replaceAll();
        } else if (roll < 79) {
            step(true);
        } else if (roll < 97) {
            step(false);
        } else {
            undoAllRedoAll();
        }
    }
    undoAllRedoAll();
}

INSTANTIATE_TEST_SUITE_P(CodeWindows, UndoRandomTest, ::testing::ValuesIn(undoCases));
