// The HTML window: tabs, preview, split view, opening, saving and closing, encodings.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QStringEncoder>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUrl>

#include "core/text_encoding.h"
#include "html/preview_copy.h"
#include "support/editor_fixture.h"
#include "script/script_window.h"

namespace {
using TestEnvironment::readFile;
using TestEnvironment::writeFile;

// The base element the preview copy starts with, sending relative addresses to `address`.
QByteArray baseElement(const QString& address) {
    return "<base href=\"" + QUrl::fromLocalFile(address).toEncoded() + "\">";
}

// Types characters outside ASCII as a keyboard does: the key code is the character's own.
void typeCharacters(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), {});
}
}  // namespace

using HtmlWindowTest = HtmlFixture;

// The preview tab writes the unsaved page and shows it, saying it is loading from each
// navigation until the page has arrived, so that a large page never leaves a blank preview that
// looks broken.
TEST_F(HtmlWindowTest, PreviewTabWritesTheUnsavedPageAndSaysItIsLoadingUntilItArrives) {
    type(QStringLiteral("<p>hello"));
    QFile::remove(HtmlWindow::previewPath());

    dialogs.folder = QDir::tempPath();
    QTest::mouseClick(window->ts(), Qt::LeftButton, {}, window->ts()->tabRect(1).center());
    ASSERT_NE(window->Browser1(), nullptr);
    // Its relative addresses resolve where Save would put it.
    EXPECT_EQ(readFile(HtmlWindow::previewPath()), baseElement(QDir::tempPath() + "/") + "<p>hello");
    RecordingWebView* view = browsers.last();
    EXPECT_EQ(view->navigated, QStringList{HtmlWindow::previewPath()});
    QWidget* browser = window->Browser1()->widget();
    EXPECT_TRUE(browser->isVisible());
    QLabel* notice = window->findChild<QLabel*>("previewLoading");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->isVisible());
    // A refresh while the page is still loading stops that load rather than queue behind it.
    window->RefreshPreview();
    EXPECT_EQ(view->calls, QStringList{"Stop"});
    view->finishLoading("hello");
    EXPECT_FALSE(notice->isVisible());

    // Each refresh loads again; back on the code tab neither the browser nor the notice covers
    // the pane.
    window->RefreshPreview();
    QTest::mouseClick(window->ts(), Qt::LeftButton, {}, window->ts()->tabRect(0).center());
    EXPECT_FALSE(browser->isVisible());
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(view->navigated.size(), 3);
}

TEST_F(HtmlWindowTest, SplitViewShowsCodeAndPageInHalvesAndFollowsTypingLater) {
    frame.checked["split"] = true;
    window->RefreshPreview();
    QWidget* code = window->pane().widget();
    QWidget* browser = window->Browser1()->widget();
    EXPECT_TRUE(code->isVisible() && browser->isVisible());
    // Side by side, edge to edge.
    EXPECT_EQ(code->geometry().right() + 1, browser->geometry().left());

    // Typing does not wait for the browser: the preview follows within half a second of the
    // last key, whatever the key did (Enter and typing over a selection included).
    RecordingWebView* view = browsers.last();
    for (const QString& keys : {QStringLiteral("<b>x"), QStringLiteral("\n")}) {
        const qsizetype shown = view->navigated.size();
        type(keys);
        QElapsedTimer sinceLastKey;
        sinceLastKey.start();
        EXPECT_EQ(view->navigated.size(), shown);
        QTRY_COMPARE_WITH_TIMEOUT(view->navigated.size(), shown + 1, 2000);
        EXPECT_LT(sinceLastKey.elapsed(), 500);
        EXPECT_TRUE(readFile(HtmlWindow::previewPath()).endsWith(pane().Text()));
    }
}

// The preview's copy of the page sends relative addresses to the page's own folder.
TEST(PreviewCopy, BaseElementGoesWhereTheBrowserTakesIt) {
    const QByteArray base = "<base href=\"file:///f/\">";
    const std::pair<QByteArray, QByteArray> rows[] = {
        {"<p>x", base + "<p>x"},
        {"<!DOCTYPE html>\n<p>", "<!DOCTYPE html>" + base + "\n<p>"},
        {" <!-- a > b --> <!doctype HTML PUBLIC \"x\"><p>", " <!-- a > b --> <!doctype HTML PUBLIC \"x\">" + base + "<p>"},
        {"<!-- never closed <!doctype html>", base + "<!-- never closed <!doctype html>"},
        {"<head><BASE href=\"http://x/\">", "<head><BASE href=\"http://x/\">"},
        {"<basefont size=3>", base + "<basefont size=3>"},
    };
    for (const auto& [page, copy] : rows)
        EXPECT_EQ(withBaseAddress(page, QUrl("file:///f/")), copy) << page.data();

    // A saved page counts from its own file, one never saved from the folder Save starts in;
    // an address holds nothing that would end the attribute early.
    EXPECT_EQ(previewBase("/a b/\"q\"&c.html", "/ignored"), QUrl("file:///a%20b/%22q%22&c.html"));
    EXPECT_EQ(previewBase({}, "/site/pages"), QUrl("file:///site/pages/"));
    EXPECT_EQ(withBaseAddress("", previewBase("/a b/\"q\"&c.html", {})),
              "<base href=\"file:///a%20b/%22q%22&amp;c.html\">");
}

// Opening loads, colours and names the window; a file that cannot be read is reported by its
// path and why, and changes nothing.
TEST_F(HtmlWindowTest, OpeningLoadsColoursAndNamesTheWindowOrReportsWhyNot) {
    QTemporaryDir folder;
    const QString path = folder.filePath("page.html");
    ASSERT_TRUE(writeFile(path, "<p>hi</p>"));
    const QString binary = folder.filePath("picture.png");
    ASSERT_TRUE(writeFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11)));
    type(QStringLiteral("<p>"));

    EXPECT_FALSE(window->openfile());  // cancelled
    const std::pair<QString, QString> cases[] = {
        {folder.filePath("missing.html"), "does not exist"},
        {folder.path(), "folder"},
        {binary, "not a text file"},
    };
    for (const auto& [file, reason] : cases) {
        EXPECT_FALSE(window->openfromdir(file));
        const AskedQuestion* message = dialogs.last("message");
        ASSERT_NE(message, nullptr);
        EXPECT_TRUE(message->text.contains(file) && message->text.contains(reason))
            << message->text.toStdString();
    }
    EXPECT_EQ(pane().Text(), "<p>");
    EXPECT_EQ(window->caption(), "noname1");

    dialogs.textAnswers.push_back(path);
    EXPECT_TRUE(window->openfile());
    EXPECT_EQ(pane().Text(), "<p>hi</p>");
    EXPECT_EQ(colours(), "GGGTTGGGG");
    EXPECT_EQ(window->caption(), path);
    EXPECT_EQ(window->modifiedTag(), "s");
}

// Every file opens in its own encoding, named in the window, and shows its characters; what is
// typed is written in that encoding, the rest byte for byte; Save As can choose another.
TEST_F(HtmlWindowTest, FilesKeepTheirEncodingAndLineBreaks) {
    auto utf16 = [](QStringConverter::Encoding encoding, const QString& text) {
        QStringEncoder encoder(encoding, QStringEncoder::Flag::WriteBom);
        return QByteArray(encoder.encode(text));
    };
    const QString script = QStringLiteral("MsgBox \"h\u00e9llo \u20ac \U0001F600\"\r\n");
    const struct {
        const char* name;
        QByteArray bytes;
        QString shown;  // a part of the text as the window shows it
        const char* encoding;
        QByteArray typed;  // "\u00e9" typed at the end, as the file holds it
    } files[] = {
        {"w1252.html", "<p>\x80 \x96 \x97 \x93q\x94 \x85 caf\xe9 \x81\x8d\x8f\x90\x9d</p>\r\n",
         QStringLiteral("\u20ac \u2013 \u2014 \u201cq\u201d \u2026 caf\u00e9 \u0081"),
         "Windows-1252", "\xe9"},
        {"be.vbs", utf16(QStringConverter::Utf16BE, script), script, "UTF-16 BE", {"\0\xe9", 2}},
    };
    QTemporaryDir folder;
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        const QString path = folder.filePath(QString::fromLatin1(f.name));
        ASSERT_TRUE(writeFile(path, f.bytes));
        const bool html = path.endsWith(".html");
        EditorWindow& opened = html ? static_cast<EditorWindow&>(*window) : openScript(KindVbscript);
        ASSERT_TRUE(opened.openfromdir(path));
        EXPECT_TRUE(opened.pane().TextString().contains(f.shown))
            << opened.pane().TextString().toStdString();
        EXPECT_EQ(html ? window->findChild<QLabel*>("encoding")->text()
                       : static_cast<ScriptWindow&>(opened).panelText(4),
                  f.encoding);
        opened.pane().SetSelStart(opened.pane().TextLength());
        typeCharacters(opened.pane().widget(), QStringLiteral("\u00e9"));
        ASSERT_TRUE(opened.SaveDocument());
        EXPECT_EQ(readFile(path), f.bytes + f.typed);
    }

    // Save As offers the encodings; the one chosen is written.
    ASSERT_TRUE(window->openfromdir(folder.filePath("w1252.html")));
    const QString copy = folder.filePath("copy.html");
    dialogs.textAnswers.push_back(copy);
    dialogs.choiceAnswers.push_back(4);
    ASSERT_TRUE(window->SaveDocumentAs());
    EXPECT_EQ(readFile(copy), utf16(QStringConverter::Utf16BE, pane().TextString()));
}

// Typed text that the file's encoding cannot hold is never converted silently: Save names the
// character and offers UTF-8; No leaves the file as it was. (Text it can hold is saved without a
// question, as the encoding test shows.)
TEST_F(HtmlWindowTest, TypedTextTheEncodingCannotHoldAsksBeforeTheFileBecomesUtf8) {
    QTemporaryDir folder;
    const QString path = folder.filePath("page.html");
    // UTF-8 and one 8-bit byte: read as Windows-1252.
    const QByteArray bytes = "<p>caf\xc3\xa9 \xe2\x82\xac</p>\r\n<p>stray \xe9</p>";
    ASSERT_TRUE(writeFile(path, bytes));
    ASSERT_TRUE(window->openfromdir(path));
    pane().SetSelStart(pane().TextLength());
    typeCharacters(pane().widget(), QStringLiteral("a\u2192"));
    const QByteArray asShown = decodeText(bytes).utf8 + "a\xe2\x86\x92";
    window->RefreshPreview();  // the preview shows the page as it stands, marked as UTF-8
    EXPECT_EQ(readFile(HtmlWindow::previewPath()), "\xEF\xBB\xBF" + baseElement(path) + asShown);
    dialogs.messageAnswers.push_back(MsgAnswer::No);
    EXPECT_FALSE(window->SaveDocument());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    const AskedQuestion& asked = dialogs.asked.back();
    EXPECT_TRUE(asked.text.contains("U+2192") && asked.text.contains("UTF-8"))
        << asked.text.toStdString();
    EXPECT_EQ(readFile(path), bytes);
    EXPECT_EQ(window->modifiedTag(), "n");

    dialogs.messageAnswers.push_back(MsgAnswer::Yes);
    EXPECT_TRUE(window->SaveDocument());
    EXPECT_EQ(readFile(path), asShown);
    typeCharacters(pane().widget(), QStringLiteral("\u2192"));
    EXPECT_TRUE(window->SaveDocument());  // UTF-8 now: no question
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(readFile(path), asShown + "\xe2\x86\x92");
}

// Enter and pastes write the line breaks the file has: LF in a Unix file, CR LF in a Windows
// file. (Code windows write their text through the same pane.)
TEST_F(HtmlWindowTest, InsertionsTakeTheFilesLineBreaks) {
    QTemporaryDir folder;
    for (const QByteArray lineEnd : {QByteArray("\n"), QByteArray("\r\n")}) {
        SCOPED_TRACE(lineEnd.size());
        const QString page = folder.filePath("page.html");
        ASSERT_TRUE(writeFile(page, "<p>one</p>" + lineEnd + "<p>two</p>" + lineEnd));
        ASSERT_TRUE(window->openfromdir(page));
        pane().SetSelStart(3);
        QTest::keyClick(pane().widget(), Qt::Key_Return);
        QApplication::clipboard()->setText(QStringLiteral("a\r\nb\nc"));
        window->pasteFromClipboard();
        ASSERT_TRUE(window->SaveDocument());
        const QByteArray saved = readFile(page);
        EXPECT_EQ(saved.count('\r') + saved.count('\n'), saved.count(lineEnd) * lineEnd.size())
            << saved.toStdString();
        EXPECT_EQ(saved.count('\n'), 5) << saved.toStdString();
    }
}
