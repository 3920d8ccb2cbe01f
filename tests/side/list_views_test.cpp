// The list-views window against a real HTML window: which controls each tab shows, how file
// paths are joined, and what the script, symbol and tag insertions write.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTreeWidget>

#include "support/editor_fixture.h"
#include "side/folder_lists.h"
#include "side/list_view_insertions.h"
#include "side/list_views.h"

namespace {
class ListViewsTest : public HtmlFixture {
protected:
    ListViewsTest() { views->show(); }
    ~ListViewsTest() override { delete views.data(); }

    QTreeWidgetItem* node(const QString& text) {
        const auto found = views->taglist()->findItems(text, Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }

    QPointer<filebrv> views = new filebrv(app);
    QTemporaryDir folder;
};

TEST_F(ListViewsTest, TabsShowTheirControlsAndFilesOpenThroughTheFrame) {
    EXPECT_TRUE(frame.checked.value("list"));
    views->close();
    EXPECT_FALSE(frame.checked.value("list"));

    // Files are joined with one slash and opened by the frame.
    EXPECT_EQ(joinPath("/", "a.html"), "/a.html");
    EXPECT_EQ(joinPath("/home/u/", "a.html"), "/home/u/a.html");

    for (const char* name : {"page.html", "old.HTM", "note.txt", "run.js"})
        TestEnvironment::writeFile(folder.filePath(name), "x");
    views->Dir1()->setPath(folder.path());
    EXPECT_EQ(views->File1()->fileNames(), (QStringList{"old.HTM", "page.html"}));
    EXPECT_EQ(views->File2()->fileNames(), QStringList{"run.js"});
    // A double-click opens the page once; Enter opens the selected one.
    QListWidget* files = views->File1();
    const QPoint page = files->visualItemRect(files->item(1)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, page);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, page);
    EXPECT_EQ(frame.openedFiles, QStringList{folder.filePath("page.html")});
    files->setCurrentRow(0);
    QTest::keyClick(files, Qt::Key_Return);
    EXPECT_EQ(frame.openedFiles.last(), folder.filePath("old.HTM"));
}

TEST_F(ListViewsTest, ScriptFileBecomesAScriptElementNamedByItsExactEnding) {
    const QByteArray script = "x = \"<b>\";\n";
    TestEnvironment::writeFile(folder.filePath("a.js"), script);
    TestEnvironment::writeFile(folder.filePath("b.JS"), script);
    views->Dir1()->setPath(folder.path());
    for (const auto& [file, language] :
         {std::pair{"a.js", "JavaScript"}, std::pair{"b.JS", "VBScript"}}) {
        setText("");
        views->File2_Click(file);
        const QByteArray opening = QByteArray("<script language =\"") + language + "\">\r\n";
        EXPECT_EQ(pane().Text(), opening + script + "</Script>\r\n");
        EXPECT_EQ(colours(),
                  "GGGGGGGGGGGGGGGGGG" + std::string(strlen(language) + 2, 'P') + "GGG" +
                      "TTTTPPPPPTT" + "GGGGGGGGGGG");
        EXPECT_TRUE(window->undoRing().canUndo());
    }
    // The "!" of a comment inside a tag switches to the value colour until the tag closes;
    // outside a tag it is ordinary text.
    const auto runs = scriptColourRuns("a!<b!c>d>e", 1, 2, 3);
    std::string letters;
    for (const ColourRun& run : runs) letters += std::string(run.to - run.from, char('0' + run.colour));
    EXPECT_EQ(letters, "1122333111");
}

TEST_F(ListViewsTest, TagsAndSymbolsAreInsertedByMouseAndKeys) {
    setText("one word");
    select(pane(), 4, 4);
    views->taglist_NodeClick(node("<b>"));
    EXPECT_EQ(pane().Text(), "one <b>word</b>");
    EXPECT_EQ(pane().SelStart(), 7);
    EXPECT_EQ(colours(), "OOOOGGGTTTTGGGG");

    // No closing tag: the selected text gives way to the tag.
    select(pane(), 7, 4);
    views->taglist_NodeClick(node("<br>"));
    EXPECT_EQ(pane().Text(), "one <b><br></b>");

    // Arrow keys move without inserting; letters jump; Enter and a click insert.
    setText("");
    views->Tab1()->setCurrentIndex(3);
    QTreeWidget* tags = views->taglist();
    tags->setCurrentItem(node("<b>"));
    QTest::keyClick(tags, Qt::Key_Down);
    EXPECT_EQ(pane().TextLength(), 0);
    QTest::keyClick(tags, Qt::Key_T);
    EXPECT_EQ(tags->currentItem()->text(0), "<table>");
    QTest::keyClick(tags, Qt::Key_Return);
    EXPECT_EQ(pane().Text(), "<table></table>");

    // A mouse click inserts too.
    const QRect place = tags->visualItemRect(tags->currentItem());
    QTest::mouseClick(tags->viewport(), Qt::LeftButton, {}, place.center());
    EXPECT_EQ(pane().Text(), "<table><table></table></table>");

    // A double-clicked symbol is written whole.
    setText("");
    views->Tab1()->setCurrentIndex(1);
    QPlainTextEdit* symbols = views->Text1();
    const QTextBlock copyLine = symbols->document()->findBlockByLineNumber(1);
    QTextCursor at(copyLine);
    at.setPosition(copyLine.position() + 3);
    const QPoint point = symbols->cursorRect(at).center();
    QTest::mouseDClick(symbols->viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(pane().Text(), "&copy;");
    EXPECT_EQ(colours(), "TTTTTT");
}
}  // namespace
