#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>

#include "platform/transfer.h"

namespace {
// Answers every request with body, or never answers when body is empty.
class TinyWebServer : public QTcpServer {
public:
    explicit TinyWebServer(const QByteArray& body) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this, body] {
            QTcpSocket* socket = nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, body] {
                if (body.isEmpty() || !socket->readAll().contains("\r\n\r\n")) return;
                socket->write("HTTP/1.0 200 OK\r\nContent-Length: " +
                              QByteArray::number(body.size()) + "\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    QString address() const { return QStringLiteral("http://127.0.0.1:%1/").arg(serverPort()); }
};
}  // namespace

// A download reports its progress and ends complete; one that the server never finishes runs
// the window's own events while it waits, and Cancel ends it.
TEST(Transfer, DownloadsReportingProgressCancelsAndRefusesBadPortsAndCommands) {
    TinyWebServer server(QByteArray(3 * 1024 * 1024, 'x'));
    Transfer transfer;
    qint64 lastDone = 0, lastTotal = 0;
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

    TinyWebServer silent{QByteArray()};
    transfer.URL = silent.address();
    bool ticked = false;
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        ticked = true;
        transfer.cancel();
    });
    EXPECT_THROW(transfer.OpenURL(), TransferError);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(transfer.errorDescription(), "The transfer was cancelled.");

    // Bad ports, commands and addresses are refused.
    EXPECT_EQ(portFromText(""), 0);
    EXPECT_EQ(portFromText("8080"), 8080);
    for (const char* bad : {"0", "65536", "99999999999"})
        EXPECT_THROW(portFromText(bad), TransferError) << bad;
    Transfer fresh;
    EXPECT_THROW(fresh.Execute("ftp://127.0.0.1", "GET a b"), TransferError);
    EXPECT_THROW(fresh.Put("ftp://127.0.0.1", "/no/such/file", "x"), TransferError);
    fresh.URL = QStringLiteral("http://[::1");
    EXPECT_THROW(fresh.OpenURL(), TransferError);
}
