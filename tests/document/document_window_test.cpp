// The document window on its own: saving, undo snapshots while typing, the keys it takes for
// itself, the menus it pops up and the question when it closes.
#include <QApplication>
#include <QClipboard>
#include <QTemporaryDir>
#include <QTextDocument>

#include "core/rich_text_pane.h"
#include "document/document_window.h"
#include "document/rtf/rtf_reader.h"
#include "support/editor_fixture.h"

namespace {
using TestEnvironment::readFile;
using TestEnvironment::writeFile;

class DocumentTest : public EditorFixture {
protected:
    DocumentTest() : window(&adopt(newDocument("Document1"))) {}

    document* newDocument(const char* caption) {
        auto* made = new document(app);
        made->setCaption(caption);
        made->newfile("s");
        return made;
    }
    EditorPane& pane() { return window->pane(); }
    QWidget* editor() { return pane().widget(); }
    void type(const QString& text) { typeKeys(editor(), text); }
    void ctrl(Qt::Key key) {
        QTest::keyPress(editor(), Qt::Key_Control, Qt::ControlModifier);
        QTest::keyClick(editor(), key, Qt::ControlModifier);
        QTest::keyRelease(editor(), Qt::Key_Control);
    }

    QPointer<document> window;
    QTemporaryDir folder;
};
}  // namespace

TEST_F(DocumentTest, SaveAndCloseAskWhileUntitledAndCancelOrFailureKeepsTheChange) {
    type("Hello");
    ASSERT_EQ(window->modifiedTag(), "n");
    EXPECT_FALSE(window->SaveDocument());  // cancelled
    EXPECT_EQ(window->modifiedTag(), "n");

    dialogs.textAnswers.push_back(folder.filePath("missing/letter.rtf"));
    EXPECT_FALSE(window->SaveDocument());  // the folder is not there
    EXPECT_TRUE(dialogs.last("message")->text.contains("missing/letter.rtf"));
    EXPECT_EQ(window->caption(), "Document1");
    EXPECT_EQ(window->modifiedTag(), "n");

    const QString path = folder.filePath("letter.rtf");
    dialogs.textAnswers.push_back(path);
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(window->caption(), path);

    // Save As always asks, and writes RTF whatever the name.
    dialogs.textAnswers.push_back(folder.filePath("copy.txt"));
    EXPECT_TRUE(window->SaveDocumentAs());
    EXPECT_TRUE(readFile(folder.filePath("copy.txt")).startsWith("{\\rtf1"));

    window->close();  // saved: nothing to ask
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Modified, Cancel keeps the window, activated again; Yes saves it first; No closes it.
    for (const MsgAnswer answer : {MsgAnswer::Cancel, MsgAnswer::Yes, MsgAnswer::No}) {
        if (window.isNull()) window = &adopt(newDocument("Document2"));
        type("draft");
        dialogs.messageAnswers = {answer};
        dialogs.textAnswers = {folder.filePath("kept.rtf")};
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(window.isNull(), answer != MsgAnswer::Cancel);
    }
    QTextDocument draft;
    EXPECT_TRUE(rtf::readRtf(readFile(folder.filePath("kept.rtf")), draft));
    EXPECT_EQ(draft.toPlainText(), "draftdraft");
}

// Bulk edits leave Save and the history alone; Ctrl+Z, Ctrl+R and Ctrl+V are the window's.
TEST_F(DocumentTest, TakesItsKeysAndBulkEditsLeaveSaveAlone) {
    frame.enabled["Save"] = false;
    app.bulkEditBusy = true;
    pane().SetText("corrected");
    app.bulkEditBusy = false;
    EXPECT_EQ(window->modifiedTag(), "n");
    EXPECT_FALSE(frame.enabled.value("Save"));
    EXPECT_EQ(window->undoRing().undoDepth(), 1);

    pane().SetText("");
    type("one two");
    ctrl(Qt::Key_Z);
    EXPECT_EQ(pane().TextString(), "one");
    ctrl(Qt::Key_R);
    EXPECT_EQ(pane().TextString(), "one two");
    QApplication::clipboard()->setText("!");
    ctrl(Qt::Key_V);
    EXPECT_EQ(pane().TextString(), "one two!");
}

// A text file opens as text even when it starts with a brace, other files not at all; what an
// RTF file holds that cannot be kept is asked about before a save leaves it out.
TEST_F(DocumentTest, OpensTextAsTextRefusesOtherFilesAndAsksBeforeLosingFormatting) {
    const QString text = folder.filePath("notes.txt");
    const QString binary = folder.filePath("picture.png");
    ASSERT_TRUE(writeFile(text, "{not rtf}\r\nline two"));
    ASSERT_TRUE(writeFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)));
    type("typed before");  // an opened file starts a history of its own
    ASSERT_TRUE(window->openfromdir(text));
    EXPECT_EQ(pane().TextString(), "{not rtf}\nline two");
    EXPECT_EQ(window->modifiedTag(), "s");
    EXPECT_FALSE(window->undoRing().canUndo());

    EXPECT_FALSE(window->openfromdir(binary));
    EXPECT_TRUE(dialogs.last("message")->text.contains("picture.png"));
    EXPECT_EQ(window->caption(), text);

    const QString path = folder.filePath("pictured.rtf");  // what cannot be kept: asked first
    const QByteArray original = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}Text{\\pict\\pngblip 89}"
                                "\\par\\page Next{\\footnote note}\\par}";
    ASSERT_TRUE(writeFile(path, original));
    ASSERT_TRUE(window->openfromdir(path));
    type("!");

    dialogs.messageAnswers = {MsgAnswer::Cancel};
    EXPECT_FALSE(window->SaveDocument());
    const AskedQuestion* asked = dialogs.last("message");
    ASSERT_NE(asked, nullptr);
    EXPECT_TRUE(asked->text.contains("cannot keep: pictures, footnotes."));
    EXPECT_EQ(readFile(path), original);
    EXPECT_EQ(window->modifiedTag(), "n");

    dialogs.messageAnswers = {MsgAnswer::Ok};
    EXPECT_TRUE(window->SaveDocument());
    const QByteArray saved = readFile(path);
    EXPECT_TRUE(saved.contains("\\pagebb")) << saved.constData();  // the page break stays
    const size_t questions = dialogs.asked.size();
    type("?");
    EXPECT_TRUE(window->SaveDocument());  // once saved without them, nothing more to ask
    EXPECT_EQ(dialogs.asked.size(), questions);
}

// A recovered document comes back with its formatting; a text file's document comes back as
// plain text, its lines ending as they did.
TEST_F(DocumentTest, RecoveredDocumentsComeBackAsTheyWere) {
    window->code().SetSelBold(true);
    window->code().SetSelText("strong");
    document recovered(app);
    recovered.recoverDocument(window->code().TextRTF(), "Document7", TextEncoding::Utf8);
    EXPECT_EQ(recovered.pane().TextString(), "strong");
    EXPECT_TRUE(recovered.pane().SelBold());
    document text(app);
    text.recoverDocument(QByteArray("one\ntwo\xC2\xA0"), "notes.txt", TextEncoding::Windows1252);
    EXPECT_EQ(text.code().fileKind(), FilePlainText);
    EXPECT_EQ(text.code().plainFileText(), "one\ntwo\xC2\xA0");
}
