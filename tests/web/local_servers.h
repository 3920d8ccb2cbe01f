#pragma once
// Web and FTP servers on 127.0.0.1 for the transfer tests, started per test and stopped with
// it; each also ends by itself after two minutes, so a crashed test leaves nothing running.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "support/test_environment.h"

class LocalServer {
public:
    ~LocalServer() {
        // timeout passes the terminate signal on to the server.
        process_.terminate();
        if (!process_.waitForFinished(5000)) process_.kill();
    }
    // The server's port once it listens; 0 when it did not start.
    int port() const { return port_; }
    QString folder() const { return folder_.path(); }
    void put(const QString& name, const QByteArray& bytes) {
        TestEnvironment::writeFile(QDir(folder()).filePath(name), bytes);
    }
    QByteArray read(const QString& name) const {
        return TestEnvironment::readFile(QDir(folder()).filePath(name));
    }

protected:
    // Runs python with arguments; the server prints its port on a line of its own.
    void start(const QStringList& pythonArguments) {
        // Debian's own python has the FTP server package; a python of one's own may not.
        const QString python = QFile::exists("/usr/bin/python3")
                                   ? QStringLiteral("/usr/bin/python3")
                                   : QStandardPaths::findExecutable("python3");
        process_.start(QStringLiteral("timeout"),
                       QStringList{"120", python, "-u"} + pythonArguments);
        while (!process_.canReadLine() && process_.waitForReadyRead(10000)) {
        }
        port_ = process_.readLine().trimmed().toInt();
    }

    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
};

// python3's http.server serving folder(), and an address of its own: /cut promises a long page
// and closes after its start. Files ending in .be and .q are declared as UTF-16 BE and as
// "ISO-8859-1" (quoted) pages.
class LocalWebServer : public LocalServer {
public:
    LocalWebServer() {
        const char* script =
            "import functools, http.server, sys\n"
            "class Handler(http.server.SimpleHTTPRequestHandler):\n"
            "    extensions_map = {'.be': 'text/html; charset=utf-16be',\n"
            "                      '.q': 'text/html; charset=\"ISO-8859-1\"'}\n"
            "    def do_GET(self):\n"
            "        if self.path == '/cut':\n"
            "            self.send_response(200); self.send_header('Content-Length', '100000'); self.end_headers()\n"
            "            self.wfile.write(b'<p>only the start')\n"
            "        else:\n"
            "            super().do_GET()\n"
            "s = http.server.ThreadingHTTPServer(('127.0.0.1', 0),\n"
            "    functools.partial(Handler, directory=sys.argv[1]))\n"
            "print(s.server_address[1], flush=True)\n"
            "s.serve_forever()\n";
        start({"-c", script, folder()});
    }
};

// An FTP server whose one user may write into folder().
class LocalFtpServer : public LocalServer {
public:
    static constexpr const char* User = "tess";
    static constexpr const char* Password = "s3cret";
    LocalFtpServer() {
        const char* script =
            "import sys\n"
            "from pyftpdlib.authorizers import DummyAuthorizer\n"
            "from pyftpdlib.handlers import FTPHandler\n"
            "from pyftpdlib.servers import FTPServer\n"
            "a = DummyAuthorizer()\n"
            "a.add_user(sys.argv[2], sys.argv[3], sys.argv[1], perm='elradfmw')\n"
            "FTPHandler.authorizer = a\n"
            "s = FTPServer(('127.0.0.1', 0), FTPHandler)\n"
            "print(s.address[1], flush=True)\n"
            "s.serve_forever()\n";
        start({"-c", script, folder(), User, Password});
    }
};
