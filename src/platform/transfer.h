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

    // The whole resource at URL. Throws TransferError on failure, including a cancelled one.
    QByteArray OpenURL();
    // Starts a command: "PUT <local file> <remote name>" uploads (an empty remote name stores
    // the file under its own name); "CLOSE" ends the connection. Throws TransferError when
    // the command is not understood or another one is still running.
    void Execute(const QString& url, const QString& command);
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
    QString addressFor(const QString& url) const;

    std::atomic<bool> cancelled_{false};
    bool running_ = false;
    QString errorDescription_;
    std::shared_ptr<Job> current_;
};

// "The port must be ..." unless text is a port number (empty gives 0, the scheme's own).
int portFromText(const QString& text);
