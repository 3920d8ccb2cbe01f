// Open URL and upload against servers on 127.0.0.1: what arrives, how it is coloured and
// decoded, addresses and names as typed, the window numbering, and the messages of each way a
// transfer can fail.
#include <QLineEdit>
#include <QProgressBar>

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

// Pages arrive as they are, coloured, in their encoding, from addresses as typed, each in a
// window numbered in turn; failures leave an empty window and say why.
TEST_F(OpenUrlTest, PagesArriveAsTheyAreAndFailuresSayWhy) {
    ASSERT_NE(web.port(), 0);
    const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(web.port());
    web.put("page.html", "<b>Caf\xc3\xa9</b>\r\n");
    web.put("latin.html", "<i>caf\xe9</i>");
    web.put("my page \xc3\xa9.html", "<p>found</p>");
    web.put("bom.html", QByteArray("\xff\xfe<\0b\0>\0\xe9\0", 10));
    web.put("page.be", QByteArray("\0<\0i\0>\x20\xac", 8));
    web.put("utf8.q", "caf\xc3\xa9");
    web.put("picture.png", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    // The address as typed (with the port, without the scheme or with the port in its own
    // field), the text the window gets and the encoding it saves in: the bytes that came. A
    // failure leaves an empty window and says why.
    const struct {
        QString address;
        QString port;
        QByteArray text;
        TextEncoding saved;
        QString says;
    } rows[] = {
        {base + "page.html", "", "<b>Caf\xc3\xa9</b>\r\n", TextEncoding::Utf8},
        {"http://127.0.0.1/latin.html", QString::number(web.port()), "<i>caf\xc3\xa9</i>",
         TextEncoding::Windows1252},
        {base.mid(7) + "my page \u00e9.html", "", "<p>found</p>", TextEncoding::Utf8},
        {base.mid(7) + "bom.html", "", "<b>\xc3\xa9", TextEncoding::Utf16LE},
        {base.mid(7) + "page.be", "", "<i>\xe2\x82\xac", TextEncoding::Utf16BE},
        {base.mid(7) + "utf8.q", "", "caf\xc3\x83\xc2\xa9", TextEncoding::Windows1252},
        {base + "missing.html", "", "", {}, "404"},
        {base + "cut", "", "", {}, "The server closed the connection before the whole file had"},
        {"http://127.0.0.1/", "1", "", {}, "onnect"},  // nothing listens on port 1
        {"http://127.0.0.1/", "99999", "", {}, "The port must be a number from 1 to 65535."},
        // The transfer itself completes; what came is refused afterwards.
        {base + "picture.png", "", "", {}, "not a text page"},
    };
    short number = 0;
    for (const auto& c : rows) {
        SCOPED_TRACE(c.address.toStdString());
        dialogs.asked.clear();
        HtmlWindow* page = open(c.address, c.port);
        EXPECT_EQ(page->caption(), "noname" + QString::number(++number));
        EXPECT_EQ(page->pane().Text(), c.text);
        EXPECT_FALSE(dialog.isVisible());
        if (c.says.isEmpty()) {
            EXPECT_TRUE(dialogs.asked.empty());
            EXPECT_EQ(page->pane().encoding(), c.saved);
            EXPECT_EQ(page->modifiedTag(), "s");
            EXPECT_FALSE(page->undoRing().canUndo());  // the history starts at the page as it came
            continue;
        }
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked[0].icon, MsgIcon::Critical);
        EXPECT_TRUE(dialogs.asked[0].text.contains(c.says)) << dialogs.asked[0].text.toStdString();
    }
    const auto* first = qobject_cast<HtmlWindow*>(frame.shownChildren.first());
    EXPECT_EQ(colours(first->pane()).substr(0, 12), "GGGTTTTTGGGG");  // coloured as it came

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
    EXPECT_TRUE(dialogs.asked[0].text.contains("The server refused the login"))
        << dialogs.asked[0].text.toStdString();
    EXPECT_EQ(ftp.read("index.html"), "<unreadable>");  // nothing arrived
    dialogs.asked.clear();

    const QString remote = QStringLiteral("new index \u00e9.html");
    upload(LocalFtpServer::Password, remote);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.windowTitle(), QString("Execution complited"), TransferWaitMs);
    EXPECT_EQ(ftp.read(remote), bytes);
    EXPECT_TRUE(dialogs.asked.empty());
    Transfer back;
    back.URL = "ftp://127.0.0.1/" + remote;
    back.RemotePort = ftp.port();
    back.UserName = LocalFtpServer::User;
    back.Password = LocalFtpServer::Password;
    EXPECT_EQ(back.OpenURL(), bytes);

    // No name at the server: the file keeps its own.
    upload(LocalFtpServer::Password, "");
    QTRY_COMPARE_WITH_TIMEOUT(ftp.read("my page.html"), bytes, TransferWaitMs);

    // A file that is not there is reported at once.
    QFile::remove(local.filePath("my page.html"));
    upload(LocalFtpServer::Password, "index.html");
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "Upload Error ");
    EXPECT_TRUE(dialogs.asked[0].text.contains("does not exist"));
}
}  // namespace
