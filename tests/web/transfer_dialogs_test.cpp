// Open URL and upload against servers on 127.0.0.1: what arrives, how it is coloured and
// decoded, addresses and names as typed, the window numbering, the title, and the messages of
// each way a transfer can fail.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTest>

#include "support/editor_fixture.h"
#include "local_servers.h"
#include "web/open_url_dialog.h"
#include "web/upload_dialog.h"

namespace {
constexpr int TransferWaitMs = 20000;

class OpenUrlTest : public HtmlFixture {
protected:
    ~OpenUrlTest() override { qDeleteAll(frame.shownChildren); }

    // Runs OK with the address and port; returns the window it made.
    HtmlWindow* open(const QString& address, const QString& port = QString()) {
        dialog.show();
        dialog.url()->setText(address);
        dialog.port()->setText(port);
        const qsizetype before = frame.shownChildren.size();
        dialog.OKButton_Click();
        EXPECT_EQ(frame.shownChildren.size(), before + 1);
        return qobject_cast<HtmlWindow*>(frame.shownChildren.last());
    }

    openurl dialog{app};
    LocalWebServer web;
};

// Pages arrive as they are, coloured, in their encoding, from addresses as typed; failures
// leave a numbered empty window and say why; the port field takes digits only.
TEST_F(OpenUrlTest, PagesArriveAsTheyAreAndFailuresSayWhy) {
    ASSERT_NE(web.port(), 0);
    const QByteArray utf8Page = "<b>Caf\xc3\xa9</b>\r\n";
    web.put("page.html", utf8Page);
    web.put("latin.html", "<i>caf\xe9</i>");
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(web.port());

    HtmlWindow* page = open(base + "page.html");
    EXPECT_EQ(page->caption(), "noname1");
    EXPECT_EQ(page->pane().Text(), utf8Page);
    EXPECT_EQ(colours(page->pane()).substr(0, 12), "GGGTTTTTGGGG");  // the line break shows none
    EXPECT_EQ(page->modifiedTag(), "s");
    EXPECT_EQ(dialog.windowTitle(), "Execution complited");
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialogs.asked.empty());

    // Not UTF-8: read as Latin-1, nothing lost. The port field may give the port instead.
    page = open(QStringLiteral("http://127.0.0.1/latin.html"), QString::number(web.port()));
    EXPECT_EQ(page->caption(), "noname2");
    EXPECT_EQ(page->pane().Text(), QByteArray("<i>caf\xc3\xa9</i>"));
    // Saved, it is the bytes that came; the history starts at the page as it came.
    EXPECT_FALSE(page->undoRing().canUndo());
    const QString saved = QDir(web.folder()).filePath("saved.html");
    dialogs.textAnswers.push_back(saved);
    ASSERT_TRUE(page->SaveDocument());
    EXPECT_EQ(web.read("saved.html"), QByteArray("<i>caf\xe9</i>"));

    // Addresses as typed, without a scheme, and pages in their encoding.
    web.put("my page \xc3\xa9.html", "<p>found</p>");
    web.put("bom.html", QByteArray("\xff\xfe<\0b\0>\0\xe9\0", 10));
    web.put("be.html", QByteArray("\0<\0i\0>\x20\xac", 8));
    web.put("utf8.html", "caf\xc3\xa9");
    // What is typed after the address of the server, and the text the window gets.
    const struct {
        const char* path;
        QByteArray text;
        TextEncoding saved;
    } rows[] = {
        {"my page \xc3\xa9.html", "<p>found</p>", TextEncoding::Utf8},
        {"bom.html", "<b>\xc3\xa9", TextEncoding::Utf16LE},
        {"charset/utf-16be/be.html", "<i>\xe2\x82\xac", TextEncoding::Utf16BE},
        {"charset/%22ISO-8859-1%22/utf8.html", "caf\xc3\x83\xc2\xa9", TextEncoding::Windows1252},
    };
    for (const auto& row : rows) {
        dialogs.asked.clear();
        HtmlWindow* page = open(QStringLiteral("127.0.0.1:%1/").arg(web.port()) + QString::fromUtf8(row.path));
        EXPECT_TRUE(dialogs.asked.empty()) << row.path << ": " << dialogs.asked[0].text.toStdString();
        EXPECT_EQ(page->pane().Text(), row.text) << row.path;
        EXPECT_EQ(page->pane().encoding(), row.saved) << row.path;
    }

    // Failures leave a numbered empty window and say why.
    web.put("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    open(base + "page.html");
    ASSERT_EQ(dialog.windowTitle(), "Execution complited");
    const struct {
        QString address;
        QString port;
        QString says;
    } cases[] = {
        {base + "missing.html", "", "404"},
        {base + "loop", "", "The address redirects in a loop"},
        {base + "cut", "", "The server closed the connection before the whole file had arrived."},
        // Nothing listens on port 1.
        {"http://127.0.0.1/", "1", "onnect"},
        {"http://127.0.0.1/", "99999", "The port must be a number from 1 to 65535."},
        // The transfer itself completes; what came is refused afterwards.
        {base + "picture.png", "", "not a text page"},
    };
    short number = 7;
    for (const auto& c : cases) {
        dialogs.asked.clear();
        HtmlWindow* page = open(c.address, c.port);
        EXPECT_EQ(page->caption(), "noname" + QString::number(++number));
        EXPECT_EQ(page->pane().TextLength(), 0);
        EXPECT_FALSE(dialog.isVisible());
        // The last transfer's "Execution complited" went when this one started.
        if (!c.address.endsWith("png")) EXPECT_EQ(dialog.windowTitle(), "Open URL to Edit ");
        ASSERT_EQ(dialogs.asked.size(), 1u) << c.says.toStdString();
        EXPECT_EQ(dialogs.asked[0].title, "Tessavel editor 2005");
        EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(dialogs.asked[0].text.contains(c.says)) << dialogs.asked[0].text.toStdString();
    }
    EXPECT_EQ(dialog.openUrlCounter, 13);

    // The port field takes digits only; the password is hidden.
    dialog.show();
    dialog.port()->clear();
    QTest::keyClicks(dialog.port(), "8a0-8 ");
    EXPECT_EQ(dialog.port()->text(), "808");
    QTest::keyClick(dialog.port(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.port()->text(), "80");
    EXPECT_EQ(dialog.passw()->echoMode(), QLineEdit::Password);
    // The bar shows how much of a known size has come; of an unknown size, a moving bar.
    emit dialog.Inet1().progress(3, 4);
    EXPECT_EQ(dialog.progressBar()->value() * 4, dialog.progressBar()->maximum() * 3);
    emit dialog.Inet1().progress(3, 0);
    EXPECT_EQ(dialog.progressBar()->maximum(), 0);
}

class UploadTest : public EditorFixture {
protected:
    void upload(const QString& password, const QString& remote) {
        dialog.show();
        dialog.url()->setText(QStringLiteral("127.0.0.1"));
        dialog.port()->setText(QString::number(ftp.port()));
        dialog.username()->setText(LocalFtpServer::User);
        dialog.passw()->setText(password);
        dialog.file()->setText(local.filePath("my page.html"));
        dialog.remote()->setText(remote);
        dialog.OKButton_Click();
    }

    Upload dialog{app};
    LocalFtpServer ftp;
    QTemporaryDir local;
};

// A file lands byte for byte under the whole name typed, or its own, and comes back the same
// through Open URL's FTP; a refused login and a missing file show Upload Error.
TEST_F(UploadTest, FileLandsByteForByteAndFailuresShowUploadError) {
    ASSERT_NE(ftp.port(), 0);
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i) bytes += char(i * 7);
    ASSERT_TRUE(TestEnvironment::writeFile(local.filePath("my page.html"), bytes));
    upload("wrong", "index.html");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.asked.size(), size_t(1), TransferWaitMs);
    EXPECT_EQ(dialogs.asked[0].title, "Upload Error ");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(dialogs.asked[0].text.contains("The server refused the login"))
        << dialogs.asked[0].text.toStdString();
    EXPECT_TRUE(ftp.read("index.html").isEmpty());
    EXPECT_EQ(dialog.windowTitle(), "Upload Files to FTP Server");
    dialogs.asked.clear();

    const QString remote = QStringLiteral("new index \u00e9.html");
    upload(LocalFtpServer::Password, remote);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.windowTitle(), QString("Execution complited"), TransferWaitMs);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ftp.read(remote), bytes);
    EXPECT_TRUE(dialogs.asked.empty());
    Transfer back;
    back.URL = "ftp://127.0.0.1/" + remote;
    back.RemotePort = ftp.port();
    back.UserName = LocalFtpServer::User;
    back.Password = LocalFtpServer::Password;
    EXPECT_EQ(back.OpenURL(), bytes);

    // No name at the server: the file keeps its own. The title is the dialog's own again while
    // the next upload runs.
    upload(LocalFtpServer::Password, "");
    EXPECT_EQ(dialog.windowTitle(), "Upload Files to FTP Server");
    QTRY_COMPARE_WITH_TIMEOUT(ftp.read("my page.html"), bytes, TransferWaitMs);

    // A file that is not there is reported at once.
    QFile::remove(local.filePath("my page.html"));
    upload(LocalFtpServer::Password, "index.html");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Upload Error ");
    EXPECT_TRUE(dialogs.asked[0].text.contains("does not exist"));
}
}  // namespace
