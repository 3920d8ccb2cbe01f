// Open URL and upload against servers on 127.0.0.1: what arrives, how it is coloured, the
// window numbering, and the messages of each way a transfer can fail.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "../html/html_fixture.h"
#include "local_servers.h"
#include "support/pane_probe.h"
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

    // The colour of each byte of the window, one letter each as HtmlFixture::colours.
    static std::string coloursOf(HtmlWindow* page) {
        return colourLetters(page->pane(), {{Tag, 'G'}, {Text, 'T'}});
    }

    openurl dialog{app};
    LocalWebServer web;
};

TEST_F(OpenUrlTest, PageArrivesAsItIsAndColoured) {
    ASSERT_NE(web.port(), 0);
    const QByteArray utf8Page = "<b>Caf\xc3\xa9</b>\r\n";
    web.put("page.html", utf8Page);
    web.put("latin.html", "<i>caf\xe9</i>");
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(web.port());

    HtmlWindow* page = open(base + "page.html");
    EXPECT_EQ(page->caption(), "noname1");
    EXPECT_EQ(page->pane().Text(), utf8Page);
    EXPECT_EQ(coloursOf(page), "GGGTTTTTGGGGTT");
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
}

TEST_F(OpenUrlTest, FailuresLeaveANumberedEmptyWindowAndSayWhy) {
    ASSERT_NE(web.port(), 0);
    web.put("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const struct {
        QString address;
        QString port;
        QString says;
    } cases[] = {
        {QStringLiteral("http://127.0.0.1:%1/missing.html").arg(web.port()), "", "404"},
        {QStringLiteral("http://127.0.0.1:%1/picture.png").arg(web.port()), "", "not a text page"},
        // Nothing listens on port 1.
        {"http://127.0.0.1/", "1", "onnect"},
        {"http://127.0.0.1/", "99999", "The port must be a number from 1 to 65535."},
    };
    short number = 0;
    for (const auto& c : cases) {
        dialogs.asked.clear();
        HtmlWindow* page = open(c.address, c.port);
        EXPECT_EQ(page->caption(), "noname" + QString::number(++number));
        EXPECT_EQ(page->pane().TextLength(), 0);
        EXPECT_FALSE(dialog.isVisible());
        ASSERT_EQ(dialogs.asked.size(), 1u) << c.says.toStdString();
        EXPECT_EQ(dialogs.asked[0].title, "Tessavel editor 2005");
        EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(dialogs.asked[0].text.contains(c.says)) << dialogs.asked[0].text.toStdString();
    }
    EXPECT_EQ(dialog.openUrlCounter, 4);
}

TEST_F(OpenUrlTest, PortFieldTakesDigitsOnly) {
    dialog.show();
    QTest::keyClicks(dialog.port(), "8a0-8 ");
    EXPECT_EQ(dialog.port()->text(), "808");
    QTest::keyClick(dialog.port(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.port()->text(), "80");
    EXPECT_EQ(dialog.passw()->echoMode(), QLineEdit::Password);
}

class UploadTest : public ::testing::Test {
protected:
    UploadTest() { app.dialogs = &dialogs; }

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

    ScriptedDialogs dialogs;
    AppState app;
    Upload dialog{app};
    LocalFtpServer ftp;
    QTemporaryDir local;
};

TEST_F(UploadTest, FileLandsByteForByte) {
    ASSERT_NE(ftp.port(), 0);
    QByteArray bytes;
    for (int i = 0; i < 70000; ++i) bytes += char(i * 7);
    QFile file(local.filePath("my page.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    upload(LocalFtpServer::Password, "index.html");
    EXPECT_EQ(dialog.lastCommand(), "PUT  " + local.filePath("my page.html") + " index.html");
    QTRY_COMPARE_WITH_TIMEOUT(dialog.windowTitle(), QString("Execution complited"), TransferWaitMs);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(ftp.read("index.html"), bytes);
    EXPECT_TRUE(dialogs.asked.empty());

    // And it comes back the same through Open URL's FTP.
    Transfer back;
    back.URL = QStringLiteral("ftp://127.0.0.1/index.html");
    back.RemotePort = ftp.port();
    back.UserName = LocalFtpServer::User;
    back.Password = LocalFtpServer::Password;
    EXPECT_EQ(back.OpenURL(), bytes);

    // No name at the server: the command ends in a blank and the file keeps its own name.
    upload(LocalFtpServer::Password, "");
    EXPECT_EQ(dialog.lastCommand(), "PUT  " + local.filePath("my page.html") + " ");
    QTRY_COMPARE_WITH_TIMEOUT(ftp.read("my page.html"), bytes, TransferWaitMs);
}

TEST_F(UploadTest, FailuresShowUploadError) {
    ASSERT_NE(ftp.port(), 0);
    QFile file(local.filePath("my page.html"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>x</p>");
    file.close();

    upload("wrong", "index.html");
    QTRY_COMPARE_WITH_TIMEOUT(dialogs.asked.size(), size_t(1), TransferWaitMs);
    EXPECT_EQ(dialogs.asked[0].title, "Upload Error ");
    EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(ftp.read("index.html").isEmpty());
    EXPECT_EQ(dialog.windowTitle(), "Upload Files to FTP Server");

    // A file that is not there is reported at once.
    file.remove();
    upload(LocalFtpServer::Password, "index.html");
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].title, "Upload Error ");
    EXPECT_TRUE(dialogs.asked[1].text.contains("does not exist"));
}
}  // namespace
