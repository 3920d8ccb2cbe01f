#include "platform/transfer.h"

#include <curl/curl.h>

#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QUrl>
#include <cstdio>
#include <mutex>

namespace {
// A server that stops answering ends the transfer instead of waiting for ever.
constexpr long ConnectTimeoutSeconds = 30;
constexpr long StalledSeconds = 60;
// Progress reaches the window at most this often.
constexpr qint64 ProgressIntervalMs = 100;

const QString CancelledText = QStringLiteral("The transfer was cancelled.");

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t appendTo(char* data, size_t size, size_t count, void* target) {
    static_cast<QByteArray*>(target)->append(data, qsizetype(size * count));
    return size * count;
}
}  // namespace

struct Transfer::Job {
    enum Kind { Download, Upload } kind = Download;
    QByteArray address;
    QByteArray userName;
    QByteArray password;
    int port = 0;
    QString localFile;  // uploads
    // Results, written by the worker thread before it ends.
    QByteArray body;
    QString error;
    bool done = false;
    // The worker's link back for progress and cancelling.
    QPointer<Transfer> owner;
    std::atomic<bool>* cancelled = nullptr;
    QElapsedTimer sinceReport;
    QThread* thread = nullptr;

    void run();
    static int onProgress(void* job, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                          curl_off_t upNow);
};

int Transfer::Job::onProgress(void* data, curl_off_t downTotal, curl_off_t downNow,
                              curl_off_t upTotal, curl_off_t upNow) {
    auto* job = static_cast<Job*>(data);
    if (job->cancelled->load()) return 1;
    if (job->sinceReport.isValid() && job->sinceReport.elapsed() < ProgressIntervalMs) return 0;
    job->sinceReport.start();
    const qint64 done = job->kind == Upload ? upNow : downNow;
    const qint64 total = job->kind == Upload ? upTotal : downTotal;
    if (Transfer* owner = job->owner.data())
        QMetaObject::invokeMethod(owner, [owner, done, total] { owner->reportProgress(done, total); },
                                  Qt::QueuedConnection);
    return 0;
}

void Transfer::Job::run() {
    initialiseCurlOnce();
    CURL* curl = curl_easy_init();
    if (!curl) {
        error = QStringLiteral("The transfer library could not start.");
        return;
    }
    char message[CURL_ERROR_SIZE] = {0};
    FILE* source = nullptr;
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https,ftp,ftps");
    curl_easy_setopt(curl, CURLOPT_DEFAULT_PROTOCOL, "http");
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, message);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, ConnectTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, StalledSeconds);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &Job::onProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
    if (port > 0) curl_easy_setopt(curl, CURLOPT_PORT, long(port));
    if (!userName.isEmpty()) curl_easy_setopt(curl, CURLOPT_USERNAME, userName.constData());
    if (!password.isEmpty()) curl_easy_setopt(curl, CURLOPT_PASSWORD, password.constData());
    if (kind == Download) {
        curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &appendTo);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    } else {
        source = std::fopen(QFile::encodeName(localFile).constData(), "rb");
        if (!source) {
            error = QStringLiteral("Cannot read \"%1\".").arg(localFile);
            curl_easy_cleanup(curl);
            return;
        }
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READDATA, source);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(QFileInfo(localFile).size()));
    }
    const CURLcode result = curl_easy_perform(curl);
    if (result == CURLE_ABORTED_BY_CALLBACK) error = CancelledText;
    else if (result != CURLE_OK) {
        // The library's sentence for the kind of failure, and the server's own words.
        error = QString::fromUtf8(curl_easy_strerror(result));
        if (message[0]) error += QStringLiteral(" (%1)").arg(QString::fromUtf8(message).trimmed());
    }
    if (source) std::fclose(source);
    curl_easy_cleanup(curl);
}

Transfer::Transfer(QObject* parent) : QObject(parent) {}

Transfer::~Transfer() {
    if (current_ && current_->thread) {
        cancelled_ = true;
        current_->thread->wait();
        delete current_->thread;
    }
}

QString Transfer::addressFor(const QString& url) const {
    const QString trimmed = url.trimmed();
    if (Protocol == Ftp && !trimmed.contains(QLatin1String("://")))
        return QStringLiteral("ftp://") + trimmed;
    return trimmed;
}

void Transfer::start(std::shared_ptr<Job> job) {
    if (running_) throw TransferError(QStringLiteral("Still executing last request").toStdString());
    if (current_ && current_->thread) {
        current_->thread->wait();
        delete current_->thread;
    }
    cancelled_ = false;
    running_ = true;
    errorDescription_.clear();
    job->owner = this;
    job->cancelled = &cancelled_;
    job->port = RemotePort;
    job->userName = UserName.toUtf8();
    job->password = Password.toUtf8();
    current_ = job;
    job->thread = QThread::create([job] { job->run(); });
    connect(job->thread, &QThread::finished, this, [this, job] { finished(job); });
    job->thread->start();
}

void Transfer::finished(const std::shared_ptr<Job>& job) {
    if (job->done) return;
    running_ = false;
    job->done = true;
    errorDescription_ = job->error;
    emit StateChanged(job->error.isEmpty() ? ResponseCompleted : Error);
}

void Transfer::reportProgress(qint64 done, qint64 total) {
    if (running_) emit progress(done, total);
}

QByteArray Transfer::OpenURL() {
    auto job = std::make_shared<Job>();
    job->address = addressFor(URL).toUtf8();
    QEventLoop waiting;
    const QMetaObject::Connection done =
        connect(this, &Transfer::StateChanged, &waiting, [&waiting] { waiting.quit(); });
    start(job);
    while (!job->done) {
        if (waiting.exec() >= 0) continue;
        // The program is quitting: the wait cannot go on, so neither can the download.
        cancelled_ = true;
        job->thread->wait();
        finished(job);
    }
    disconnect(done);
    if (!job->error.isEmpty()) throw TransferError(job->error.toStdString());
    return job->body;
}

void Transfer::Execute(const QString& url, const QString& command) {
    const QString verb = command.section(QLatin1Char(' '), 0, 0).toUpper();
    if (verb == QLatin1String("CLOSE")) {
        // Every transfer has its own connection, already closed when it ended.
        cancelled_ = true;
        QMetaObject::invokeMethod(this, [this] { emit StateChanged(Disconnected); },
                                  Qt::QueuedConnection);
        return;
    }
    if (verb != QLatin1String("PUT"))
        throw TransferError(QStringLiteral("Unsupported command: %1").arg(verb).toStdString());
    // "PUT  <local file> <remote name>": the local path may hold blanks, the remote name not.
    QString rest = command.mid(verb.size());
    while (rest.startsWith(QLatin1Char(' '))) rest.remove(0, 1);
    const qsizetype lastBlank = rest.lastIndexOf(QLatin1Char(' '));
    const QString local = lastBlank < 0 ? rest : rest.left(lastBlank).trimmed();
    QString remote = lastBlank < 0 ? QString() : rest.mid(lastBlank + 1);
    if (!QFileInfo(local).isFile())
        throw TransferError(QStringLiteral("The file \"%1\" does not exist.").arg(local).toStdString());
    if (remote.isEmpty()) remote = QFileInfo(local).fileName();
    QString address = addressFor(url.isEmpty() ? URL : url);
    if (!address.endsWith(QLatin1Char('/'))) address += QLatin1Char('/');
    auto job = std::make_shared<Job>();
    job->kind = Job::Upload;
    job->localFile = local;
    job->address = address.toUtf8() + QUrl::toPercentEncoding(remote);
    start(job);
}

int portFromText(const QString& text) {
    if (text.trimmed().isEmpty()) return 0;
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        throw TransferError("The port must be a number from 1 to 65535.");
    return port;
}
