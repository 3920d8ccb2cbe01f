#pragma once
// The internet-transfer control of the open-URL and upload dialogs, over libcurl: HTTP, HTTPS
// and FTP with a user name, password and port. Every transfer runs on a thread of its own, so
// the window keeps repainting; OpenURL waits for its download with events running, Execute
// returns at once and reports through StateChanged on the user-interface thread.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <memory>
#include <stdexcept>

// A failed transfer; what() is the description shown to the user.
class TransferError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Transfer : public QObject {
    Q_OBJECT
public:
    // The states a transfer reports; the dialogs act on ResponseCompleted, the upload also on
    // Error.
    enum State {
        Disconnected = 10,
        Error = 11,
        ResponseCompleted = 12,
    };
    // Default: the address names its scheme (http:// when it names none); Ftp: ftp:// unless
    // the address names another.
    enum ProtocolKind { Default = 0, Ftp = 2 };

    explicit Transfer(QObject* parent = nullptr);
    ~Transfer() override;

    int Protocol = Default;
    QString URL = QStringLiteral("ftp://");
    int RemotePort = 0;  // 0: the scheme's own port
    QString UserName;
    QString Password;  // sent as typed

    // The whole resource at URL, typed as in a browser's address bar (blanks and letters beyond
    // ASCII are encoded as a browser encodes them). Throws TransferError on failure, including a
    // cancelled one and a redirection loop.
    QByteArray OpenURL();
    // The Content-Type the server gave with the last OpenURL ("text/html; charset=utf-16"),
    // empty when it gave none.
    QString contentType() const { return contentType_; }
    // Starts a command; "CLOSE", which ends the connection, is the one understood. Throws
    // TransferError for any other.
    void Execute(const QString& url, const QString& command);
    // Starts uploading localFile into the folder at url (URL when empty) under remoteName, its
    // whole name whatever blanks or letters it holds; an empty name keeps the file's own. Throws
    // TransferError when the file is not there or another command is still running.
    void Put(const QString& url, const QString& localFile, const QString& remoteName);
    // Why the last command ended in the Error state.
    QString errorDescription() const { return errorDescription_; }
    bool StillExecuting() const { return running_; }
    // Stops the running transfer; it then ends with the error "The transfer was cancelled.".
    void cancel() { cancelled_ = true; }

signals:
    void StateChanged(int state);
    // Bytes moved so far and the total when known (0 when not).
    void progress(qint64 done, qint64 total);

private:
    struct Job;
    // Runs job on a worker thread; finished(job) is then called on this object's thread.
    void start(std::shared_ptr<Job> job);
    void finished(const std::shared_ptr<Job>& job);
    void reportProgress(qint64 done, qint64 total);
    // The address encoded for the wire; TransferError when it is not one.
    QByteArray addressFor(const QString& url) const;

    std::atomic<bool> cancelled_{false};
    bool running_ = false;
    QString errorDescription_;
    QString contentType_;
    std::shared_ptr<Job> current_;
};

// "The port must be ..." unless text is a port number (empty gives 0, the scheme's own).
int portFromText(const QString& text);
