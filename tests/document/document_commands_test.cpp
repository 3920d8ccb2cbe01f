// The main window's commands on document windows: New and Open, the commands a document
// window enables, the format buttons, rich-text cut and paste, and a saved document opening
// again as it was.
#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <random>

#include "core/rich_text_pane.h"
#include "document/document_window.h"
#include "shell/frame_fixture.h"
#include "support/pane_probe.h"
#include "support/rtf_describe.h"

namespace {
struct DocumentCommands : FrameFixture {
    QTemporaryDir folder;

    document* current() { return qobject_cast<document*>(app.currentDocumentWindow.data()); }
    void click(int index) { frame->toolbarButton(index)->trigger(); }
    // Runs the command with the file name the user gives.
    void runOn(const char* command, const QString& path) {
        dialogs.textAnswers.push_back(path);
        run(command);
    }
    void select(int start, int length) {
        current()->pane().SetSelStart(start);
        current()->pane().SetSelLength(length);
    }
};
}  // namespace

// A new document is numbered; a format button marks it changed; Cut and Paste carry the
// formatting (as rich text on the clipboard); Delete takes the selection. Saved, closed and
// opened again by Open or from the command line, the document comes back as it was; a file
// that is not there gives a message and no window.
TEST_F(DocumentCommands, FormattingSurvivesCutPasteSavingAndOpeningAgain) {
    run("doc");
    run("doc");
    ASSERT_NE(current(), nullptr);
    EXPECT_EQ(current()->caption(), "Document2");

    EditorPane& pane = current()->pane();
    pane.SetSelText("keep bold");
    current()->newfile("s");
    select(5, 4);
    click(17);
    EXPECT_EQ(current()->modifiedTag(), "n");
    run("Cut");
    EXPECT_EQ(pane.TextString(), "keep ");
    pane.SetSelStart(0);
    run("Paste");
    EXPECT_EQ(pane.TextString(), "boldkeep ");
    select(0, 4);
    EXPECT_TRUE(pane.SelBold());
    select(4, 1);
    EXPECT_FALSE(pane.SelBold());
    select(0, 2);
    run("del");
    EXPECT_EQ(pane.TextString(), "ldkeep ");

    select(7, 0);
    pane.SetSelText("\rred ");
    pane.SetSelAlignment(2);
    select(8, 3);
    pane.SetSelColor(0x0000FF);
    const QString path = folder.filePath("letter.rtf");
    runOn("Save", path);
    const std::string saved = describeDocument(*current()->code().document()).toStdString();
    for (int way = 0; way < 2; ++way) {
        run("mnuFileClose");  // a file open already would only bring its window forward
        if (way == 0) runOn("opendoc", path);
        else frame->openFiles({path});
        ASSERT_NE(current(), nullptr);
        EXPECT_EQ(current()->caption(), path);
        EXPECT_EQ(describeDocument(*current()->code().document()).toStdString(), saved);
    }
    document* before = current();
    runOn("opendoc", folder.filePath("gone.rtf"));
    EXPECT_TRUE(dialogs.last("message")->text.contains("gone.rtf"));
    EXPECT_EQ(current(), before);
}

// A text file opened as a document is written back as it came, byte for byte, whatever its
// encoding and line breaks. Only a format button, after a question, or Save As with the
// Richtext type makes it RTF; Save As with the Text files type makes formatted text plain text.
TEST_F(DocumentCommands, TextFilesStayTextFiles) {
    const QString path = folder.filePath("notes.txt");
    const auto bytesOf = [&path] { return TestEnvironment::readFile(path); };
    const QByteArray files[] = {"one\ntwo\n", "one\r\ntwo", "one\rtwo\r", "caf\xE9\xA0 \x80\r\n",
                                QByteArray("\xFF\xFEo\0k\0\n\0", 8), "\xEF\xBB\xBFna\xC3\xAFve\n"};
    for (const QByteArray& bytes : files) {
        ASSERT_TRUE(TestEnvironment::writeFile(path, bytes));
        runOn("opendoc", path);
        current()->pane().SetSelText("X\r");  // the program's line break becomes the file's
        run("Save");
        const PlainText read = decodeText(bytes);
        const QByteArray lineBreak = lineBreakBytes(lineBreakOf(read.utf8));
        EXPECT_EQ(bytesOf(), encodeText("X" + lineBreak + read.utf8, read.encoding).value_or(""));
        run("mnuFileClose");
    }

    // Bold asks first: Cancel leaves the text file as it was, OK makes the document RTF.
    runOn("opendoc", path);
    const QByteArray plain = bytesOf();
    select(0, 1);
    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Ok}) {
        dialogs.messageAnswers = {answer};
        click(17);
        EXPECT_TRUE(dialogs.last("message")->text.startsWith("This document is plain text"));
        EXPECT_EQ(current()->pane().SelBold(), answer == MsgAnswer::Ok);
        EXPECT_EQ(current()->modifiedTag(), answer == MsgAnswer::Ok ? "n" : "s");
    }
    const QString rich = folder.filePath("notes.rtf");
    dialogs.filterAnswers = {0};  // Richtext files
    runOn("Save_As", rich);
    EXPECT_EQ(bytesOf(), plain);
    EXPECT_TRUE(TestEnvironment::readFile(rich).startsWith("{\\rtf1"));
    // Save As Text files asks before the formatting goes; Cancel writes nothing.
    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Ok}) {
        dialogs.messageAnswers = {answer};
        dialogs.filterAnswers = {1};
        runOn("Save_As", rich);
        const QByteArray written = TestEnvironment::readFile(rich);
        EXPECT_EQ(written.startsWith("{\\rtf1"), answer == MsgAnswer::Cancel);
        if (answer == MsgAnswer::Ok) EXPECT_EQ(written, plain);
    }
}

// Typing, format buttons, the font dialog, cut and paste, undo and redo in random order: each
// Undo must bring back exactly the text, character and paragraph formats recorded before the
// step, and each Redo exactly what Undo took. The model records what the document showed at
// each boundary: before Space, Enter and Backspace, and before and after every command.
TEST_F(DocumentCommands, UndoAndRedoBringBackExactlyWhatTheUserSaw) {
    const int formatButtons[] = {17, 18, 19, 20, 23, 24, 25};
    bool (EditorPane::*const toggles[])() const = {&EditorPane::SelBold, &EditorPane::SelItalic,
                                                   &EditorPane::SelUnderline,
                                                   &EditorPane::SelStrikeThru};
    for (unsigned seed = 1; seed <= 20 && !HasFailure(); ++seed) {
        run("doc");
        document* window = current();
        RichTextPane& pane = window->code();
        std::mt19937 random(seed);
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        // An empty document has no position to keep its paragraph's format: any is as good.
        auto shown = [&] {
            return pane.TextLength() == 0 ? QString() : describeDocument(*pane.document());
        };
        std::vector<QString> states{shown()};
        size_t at = 0;
        auto record = [&](const QString& state) {
            if (state == states[at]) return;
            states.resize(++at);
            states.push_back(state);
        };
        QStringList steps;
        auto check = [&] {
            EXPECT_EQ(shown().toStdString(), states[at].toStdString())
                << "seed " << seed << " after " << steps.join(", ").toStdString();
        };
        // What was typed since the last boundary is the first step undone.
        auto undo = [&](const char* what) {
            steps << what;
            record(shown());
            window->undo_code();
            if (at > 0) --at;
            check();
        };
        // Redo with nothing to redo leaves the text as it is, typed or not: nothing to check.
        auto redo = [&](const char* what) {
            steps << what;
            window->redo_code();
            if (at + 1 == states.size()) return;
            ++at;
            check();
        };
        for (int step = 0; step < 24 && !HasFailure(); ++step) {
            const int length = pane.TextLength();
            switch (pick(8)) {
            case 0:
            case 1: {
                const QString keys = QString(QString("ab cd\n\b").at(pick(7))).repeated(1 + pick(4)) +
                                     QString("xyz").left(pick(4));
                steps << "type " + QString(keys).replace('\n', "\\n").replace('\b', "\\b");
                for (const QChar c : keys) {
                    if (c == ' ' || c == '\n' || c == '\b') record(shown());
                    if (c == '\b') QTest::keyClick(pane.widget(), Qt::Key_Backspace);
                    else typeKeys(pane.widget(), c);
                }
                // What was typed after an undo ends the steps redo offered.
                if (shown() != states[at]) states.resize(at + 1);
                break;
            }
            case 2: {
                const int start = pick(length + 1);
                select(start, pick(length - start + 1));
                steps << QString("select %1+%2").arg(pane.SelStart()).arg(pane.SelLength());
                break;
            }
            case 3:
            case 4: {
                // A style button toggles the style of the selection (or of what is typed next),
                // an alignment button sets the alignment and the font dialog sets what
                // was chosen, each as one step.
                const int button = formatButtons[pick(7)];
                const bool font = pick(4) == 0;
                const FontChoice choice{pick(2) ? "DejaVu Sans" : "DejaVu Sans Mono",
                                        10 + 4 * pick(3), pick(2) == 0, false, pick(2) == 0, false,
                                        Rgb(0x10 << pick(20))};
                if (font) dialogs.fontAnswers.push_back(choice);
                steps << (font ? QString("font") : QString("button %1").arg(button));
                const bool was = button <= 20 && (pane.*toggles[button - 17])();
                record(shown());
                click(font ? 21 : button);
                record(shown());
                const std::string after = steps.join(", ").toStdString();
                if (font)
                    EXPECT_EQ(std::tuple(pane.SelFontName(), pane.SelFontSize(), pane.SelColor()),
                              std::tuple(choice.name, choice.size, choice.colour)) << after;
                else if (button > 20)
                    EXPECT_EQ(pane.SelAlignment(), button == 23 ? 0 : button == 24 ? 2 : 1) << after;
                else
                    EXPECT_NE((pane.*toggles[button - 17])(), was) << after;
                break;
            }
            case 5: {
                // A cut of nothing and a paste of nothing are no step.
                steps << (pick(2) ? "cut" : "paste");
                const QString before = shown();
                run(steps.last() == "cut" ? "Cut" : "Paste");
                if (shown() == before) break;
                record(before);
                record(shown());
                break;
            }
            case 6:
                undo("undo");
                break;
            case 7:
                redo("redo");
                break;
            }
        }
        // Back to the start and forward to the end again.
        record(shown());
        while (at > 0 && !HasFailure()) undo("undo to the start");
        while (at + 1 < states.size() && !HasFailure()) redo("redo to the end");
        dialogs.messageAnswers = {MsgAnswer::No};
        run("mnuFileClose");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
