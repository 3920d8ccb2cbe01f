#include "core/recovery_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>

namespace {
const QByteArray magic = "TessavelRecovery 1\n";
const QString lockName = QStringLiteral("run.lock");

QString documentFile(const QString& folder, int document) {
    return QDir(folder).filePath(QString::number(document) + QStringLiteral(".recovery"));
}

// The header is a few "key=value" lines ended by an empty line; the text follows as it is.
QByteArray header(const RecoveredDocument& d) {
    return magic + "kind=" + QByteArray::number(int(d.kind)) + "\ncaption=" +
           QUrl::toPercentEncoding(d.caption) + "\nencoding=" + encodingKey(d.encoding) +
           "\nchanged=" + d.changed.toUTC().toString(Qt::ISODateWithMs).toLatin1() + "\n\n";
}

std::optional<RecoveredDocument> readDocument(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray all = file.readAll();
    const qsizetype end = all.indexOf("\n\n");
    if (!all.startsWith(magic) || end < 0) return std::nullopt;
    RecoveredDocument d;
    d.file = path;
    for (const QByteArray& line : all.mid(magic.size(), end - magic.size()).split('\n')) {
        const qsizetype eq = line.indexOf('=');
        const QByteArray key = line.left(eq), value = line.mid(eq + 1);
        if (key == "kind") d.kind = WindowKind(std::clamp(value.toInt(), 1, 5));
        else if (key == "caption") d.caption = QUrl::fromPercentEncoding(value);
        else if (key == "encoding") d.encoding = encodingFromKey(value);
        else if (key == "changed") d.changed = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
    }
    d.text = all.mid(end + 2);
    return d;
}

// The run folders below root whose lock nobody holds any more.
QStringList deadRuns(const QString& root) {
    QStringList dead;
    for (const QFileInfo& run : QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QLockFile lock(QDir(run.filePath()).filePath(lockName));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0)) {
            lock.unlock();
            dead << run.filePath();
        }
    }
    return dead;
}
}  // namespace

RecoveryStore::RecoveryStore(const QString& root) {
    writer_.setMaxThreadCount(1);
    const QString name = QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                         QString::number(QDateTime::currentMSecsSinceEpoch());
    folder_ = QDir(root).filePath(name);
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(QDir(folder_).filePath(lockName));
    lock_->setStaleLockTime(0);
    lock_->tryLock(0);
}

RecoveryStore::~RecoveryStore() {
    waitForWrites();
    lock_->unlock();
    QDir(folder_).removeRecursively();
}

void RecoveryStore::write(int document, const RecoveredDocument& content) {
    const QString path = documentFile(folder_, document);
    // The text is shared with the caller, not copied: the pane's copy is the only one.
    writer_.start([path, head = header(content), text = content.text] {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(head);
        file.write(text);
        file.commit();
    });
}

void RecoveryStore::remove(int document) {
    writer_.start([path = documentFile(folder_, document)] { QFile::remove(path); });
}

void RecoveryStore::waitForWrites() { writer_.waitForDone(); }

std::vector<RecoveredDocument> RecoveryStore::leftOver(const QString& root) {
    std::vector<RecoveredDocument> found;
    for (const QString& run : deadRuns(root)) {
        QDirIterator it(run, {QStringLiteral("*.recovery")}, QDir::Files);
        while (it.hasNext())
            if (auto d = readDocument(it.next())) found.push_back(std::move(*d));
    }
    std::sort(found.begin(), found.end(),
              [](const auto& a, const auto& b) { return a.changed < b.changed; });
    return found;
}

void RecoveryStore::discardLeftOver(const QString& root) {
    for (const QString& run : deadRuns(root)) QDir(run).removeRecursively();
}

QString recoveryRoot() {
    const QString set = qEnvironmentVariable("TESSAVEL_RECOVERY_DIR");
    if (!set.isEmpty()) return set;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}
