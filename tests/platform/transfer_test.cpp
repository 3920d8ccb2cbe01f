// The transfer's waiting: windows keep running while a download is on its way, progress is
// reported, and Cancel ends a download that the server never finishes.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "platform/transfer.h"

namespace {
// Answers every request with body, or never answers when body is empty.
class TinyWebServer : public QTcpServer {
public:
    explicit TinyWebServer(QByteArray body) : body_(std::move(body)) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (body_.isEmpty() || !socket->readAll().contains("\r\n\r\n")) return;
                socket->write("HTTP/1.0 200 OK\r\nContent-Length: " +
                              QByteArray::number(body_.size()) + "\r\n\r\n" + body_);
                socket->disconnectFromHost();
            });
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }

private:
    QByteArray body_;
};
}  // namespace

TEST(Transfer, DownloadsWithEventsRunningAndReportsProgress) {
    TinyWebServer server(QByteArray(3 * 1024 * 1024, 'x'));
    Transfer transfer;
    qint64 lastDone = 0;
    qint64 lastTotal = 0;
    QObject::connect(&transfer, &Transfer::progress, [&](qint64 done, qint64 total) {
        lastDone = done;
        lastTotal = total;
    });
    QList<int> states;
    QObject::connect(&transfer, &Transfer::StateChanged, [&](int state) { states << state; });
    transfer.URL = server.address();
    EXPECT_EQ(transfer.OpenURL().size(), 3 * 1024 * 1024);
    EXPECT_EQ(states, QList<int>{Transfer::ResponseCompleted});
    EXPECT_FALSE(transfer.StillExecuting());
    if (lastTotal > 0) EXPECT_LE(lastDone, lastTotal);
}

TEST(Transfer, CancelEndsADownloadTheServerNeverFinishes) {
    TinyWebServer server{QByteArray()};
    Transfer transfer;
    transfer.URL = server.address();
    bool ticked = false;
    QTimer::singleShot(300, [&] {
        ticked = true;  // the window's own events still run while the download waits
        transfer.cancel();
    });
    try {
        transfer.OpenURL();
        FAIL() << "a cancelled download returned";
    } catch (const TransferError& e) {
        EXPECT_STREQ(e.what(), "The transfer was cancelled.");
    }
    EXPECT_TRUE(ticked);
    EXPECT_EQ(transfer.errorDescription(), "The transfer was cancelled.");
}

TEST(Transfer, RejectsBadPortsAndCommands) {
    EXPECT_EQ(portFromText(""), 0);
    EXPECT_EQ(portFromText("8080"), 8080);
    for (const char* bad : {"0", "65536", "99999999999"})
        EXPECT_THROW(portFromText(bad), TransferError) << bad;
    Transfer transfer;
    EXPECT_THROW(transfer.Execute("ftp://127.0.0.1", "GET a b"), TransferError);
    EXPECT_THROW(transfer.Put("ftp://127.0.0.1", "/no/such/file", "x"), TransferError);
    transfer.URL = QStringLiteral("http://[::1");
    EXPECT_THROW(transfer.OpenURL(), TransferError);
}
