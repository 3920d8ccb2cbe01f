// What only the code pane does: files, line breaks typed as CR LF, hiding without leaving
// the layout.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "core/scintilla_pane.h"
#include "pane_test_support.h"

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ScintillaPaneFiles, NonUtf8FileSurvivesLoadAndSaveByteForByte) {
    QTemporaryDir dir;
    const QByteArray latin1("caf\xe9 na\xefve\r\n<p>\xa9</p>\n", 21);
    writeAll(dir.filePath("old.html"), latin1);
    ScintillaPane pane;
    ASSERT_TRUE(pane.LoadFile(dir.filePath("old.html"), FilePlainText));
    EXPECT_TRUE(pane.loadedAsLatin1());
    EXPECT_EQ(pane.TextString(), QString::fromLatin1(latin1));
    EXPECT_EQ(pane.Find("na", 0), 6);  // byte offsets of the UTF-8 text: the e acute is two
    ASSERT_TRUE(pane.SaveFile(dir.filePath("copy.html"), FilePlainText));
    EXPECT_EQ(readAll(dir.filePath("copy.html")), latin1);

    // UTF-8 files keep their bytes too, BOM included.
    const QByteArray utf8("\xef\xbb\xbf<p>\xc3\xa9</p>");
    writeAll(dir.filePath("new.html"), utf8);
    ASSERT_TRUE(pane.LoadFile(dir.filePath("new.html"), FilePlainText));
    EXPECT_FALSE(pane.loadedAsLatin1());
    EXPECT_EQ(pane.Text(), utf8);
    ASSERT_TRUE(pane.SaveFile(dir.filePath("new2.html"), FilePlainText));
    EXPECT_EQ(readAll(dir.filePath("new2.html")), utf8);
}

TEST(ScintillaPaneFiles, FailuresReportAndChangeNothing) {
    QTemporaryDir dir;
    writeAll(dir.filePath("page.html"), "<p>old</p>");
    ScintillaPane pane;
    pane.SetText("kept");
    QString error;
    EXPECT_FALSE(pane.LoadFile(dir.filePath("missing.html"), FilePlainText, &error));
    EXPECT_TRUE(error.contains("missing.html"));
    EXPECT_EQ(pane.Text(), QByteArray("kept"));

    // A path below a plain file cannot be written, even by root.
    error.clear();
    EXPECT_FALSE(pane.SaveFile(dir.filePath("page.html/inner.html"), FilePlainText, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readAll(dir.filePath("page.html")), QByteArray("<p>old</p>"));
}

TEST(ScintillaPaneTyping, EnterTypesCrLfAndShortcutsWinOverThePane) {
    QWidget window;
    ScintillaPane pane(&window);
    int pastes = 0;
    auto* paste = new QAction(&window);
    paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    paste->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(paste, &QAction::triggered, [&] { ++pastes; });
    window.addAction(paste);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    pane.SetText("ab");
    pane.SetSelStart(1);
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.Text(), QByteArray("a\r\nb"));
    EXPECT_EQ(pane.SelStart(), 3);
    QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier);  // not Scintilla's undo
    EXPECT_EQ(pane.Text(), QByteArray("a\r\nb"));
    QTest::keyClick(pane.widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(pastes, 1);
    QTest::keyClick(pane.widget(), Qt::Key_Backspace);
    EXPECT_EQ(pane.Text(), QByteArray("ab"));
}

TEST(ScintillaPaneLook, HiddenPaneStaysInItsLayoutAndKeepsWorking) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    ScintillaPane pane(&window);
    layout->addWidget(pane.widget());
    window.resize(300, 200);
    window.show();
    pane.SetText("<a>\r\n<b>");
    pane.SetVisible(false);
    EXPECT_FALSE(pane.Visible());
    EXPECT_TRUE(pane.widget()->isVisible());
    EXPECT_EQ(layout->indexOf(pane.widget()), 0);
    pane.SetSelStart(5);
    pane.SetSelLength(3);
    pane.SetSelStrikeThru(true);
    pane.SetVisible(true);
    EXPECT_TRUE(pane.SelStrikeThru());
    const QRect caret = pane.caretRect();  // on the second line
    EXPECT_GE(caret.top(), caret.height());
    EXPECT_LT(caret.top(), 2 * caret.height());
}
}  // namespace
