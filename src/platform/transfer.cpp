#include "platform/transfer.h"

#include <curl/curl.h>

#include <QElapsedTimer>
#include <QFile>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <mutex>

namespace {
// A server that stops answering ends the transfer instead of waiting for ever.
constexpr long ConnectTimeoutSeconds = 30;
constexpr long StalledSeconds = 60;
// Progress reaches the window at most this often.
constexpr qint64 ProgressIntervalMs = 100;
// Browsers give up after about twenty redirections; a loop then ends instead of going round.
constexpr long MaxRedirections = 20;

// What the user is told for the failures that have a plain cause; the library's own words for
// the rest.
struct FailureText {
    CURLcode code;
    const char* text;
};
const FailureText failureTexts[] = {
    {CURLE_TOO_MANY_REDIRECTS, "The address redirects in a loop: the server sent more than 20 "
                               "redirections without reaching a page."},
    {CURLE_PARTIAL_FILE, "The server closed the connection before the whole file had arrived."},
    {CURLE_LOGIN_DENIED, "The server refused the login: check the user name and the password."},
    {CURLE_OPERATION_TIMEDOUT, "The server stopped answering, and the transfer was given up."},
};

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
    QByteArray contentType;
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
        curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MaxRedirections);
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
        // The cause in plain words, or the library's sentence for it, and the server's own words.
        const auto known = std::find_if(std::begin(failureTexts), std::end(failureTexts),
                                        [result](const FailureText& f) { return f.code == result; });
        error = QString::fromUtf8(known != std::end(failureTexts) ? known->text : curl_easy_strerror(result));
        if (message[0]) error += QStringLiteral(" (%1)").arg(QString::fromUtf8(message).trimmed());
    }
    if (const char* type = nullptr; curl_easy_getinfo(curl, CURLINFO_CONTENT_TYPE, &type) == CURLE_OK && type)
        contentType = type;
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

QByteArray Transfer::addressFor(const QString& url) const {
    QString typed = url.trimmed();
    if (Protocol == Ftp && !typed.contains(QLatin1String("://"))) typed.prepend(QStringLiteral("ftp://"));
    // As a browser sends what is typed in its address bar: blanks and other letters encoded.
    const QUrl address = QUrl::fromUserInput(typed);
    if (typed.isEmpty() || !address.isValid())
        throw TransferError(QStringLiteral("\"%1\" is not an address that can be opened.").arg(typed).toStdString());
    return address.toEncoded();
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
    contentType_ = QString::fromLatin1(job->contentType);
    emit StateChanged(job->error.isEmpty() ? ResponseCompleted : Error);
}

void Transfer::reportProgress(qint64 done, qint64 total) {
    if (running_) emit progress(done, total);
}

QByteArray Transfer::OpenURL() {
    auto job = std::make_shared<Job>();
    job->address = addressFor(URL);
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
    Q_UNUSED(url)
    if (command.trimmed().compare(QLatin1String("CLOSE"), Qt::CaseInsensitive) != 0)
        throw TransferError(QStringLiteral("Unsupported command: %1").arg(command).toStdString());
    // Every transfer has its own connection, already closed when it ended.
    cancelled_ = true;
    QMetaObject::invokeMethod(this, [this] { emit StateChanged(Disconnected); }, Qt::QueuedConnection);
}

void Transfer::Put(const QString& url, const QString& localFile, const QString& remoteName) {
    if (!QFileInfo(localFile).isFile())
        throw TransferError(QStringLiteral("The file \"%1\" does not exist.").arg(localFile).toStdString());
    QByteArray address = addressFor(url.isEmpty() ? URL : url);
    if (!address.endsWith('/')) address += '/';
    auto job = std::make_shared<Job>();
    job->kind = Job::Upload;
    job->localFile = localFile;
    // The whole name, blanks and all, as one path segment.
    job->address = address + QUrl::toPercentEncoding(remoteName.isEmpty() ? QFileInfo(localFile).fileName() : remoteName);
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
