#include <gtest/gtest.h>

#include <QTcpServer>

#include "platform/transfer.h"
#include "web/local_servers.h"

// A download of several megabytes ends complete; one that the server never answers runs the
// window's own events while it waits, and Cancel ends it.
TEST(Transfer, DownloadsWholeCancelsAndRefusesBadPortsAndCommands) {
    LocalWebServer web;
    ASSERT_NE(web.port(), 0);
    const QByteArray page(3 * 1024 * 1024, 'x');
    web.put("big.html", page);
    Transfer transfer;
    QList<int> states;
    QObject::connect(&transfer, &Transfer::StateChanged, [&](int state) { states << state; });
    transfer.URL = QStringLiteral("http://127.0.0.1:%1/big.html").arg(web.port());
    EXPECT_EQ(transfer.OpenURL(), page);
    EXPECT_EQ(states, QList<int>{Transfer::ResponseCompleted});
    EXPECT_FALSE(transfer.StillExecuting());

    // Listening, it takes the connection and never answers.
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    transfer.URL = QStringLiteral("http://127.0.0.1:%1/").arg(silent.serverPort());
    bool ticked = false;
    QObject::connect(&silent, &QTcpServer::newConnection, [&] {
        ticked = true;
        transfer.cancel();
    });
    EXPECT_THROW(transfer.OpenURL(), TransferError);
    EXPECT_TRUE(ticked);
    EXPECT_EQ(transfer.errorDescription(), "The transfer was cancelled.");

    // Bad ports, commands and addresses are refused.
    EXPECT_EQ(portFromText("65535"), 65535);
    for (const char* bad : {"0", "65536", "99999999999"})
        EXPECT_THROW(portFromText(bad), TransferError) << bad;
    Transfer fresh;
    EXPECT_THROW(fresh.Execute("ftp://127.0.0.1", "GET a b"), TransferError);
    fresh.URL = QStringLiteral("http://[::1");
    EXPECT_THROW(fresh.OpenURL(), TransferError);
}
