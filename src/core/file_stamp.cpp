#include "core/file_stamp.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Bigger files are judged by size and times alone: reading them again at every open and save
// would cost more than the certainty is worth.
constexpr qint64 LargestHashed = 16 * 1024 * 1024;

bool sameTimes(const FileStamp& a, const FileStamp& b) {
    return a.size == b.size && a.modified == b.modified && a.metadataChanged == b.metadataChanged;
}

QByteArray hashOf(const QString& path) {
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) return {};
    return hash.result();
}

// Where a path leads once links and dots are resolved; a file that does not exist yet is
// placed in its resolved folder.
QString identity(const QString& path) {
    const QFileInfo info(path);
    if (info.exists()) return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (folder.isEmpty()) return QDir::cleanPath(info.absoluteFilePath());
    return folder + QLatin1Char('/') + info.fileName();
}
}  // namespace

FileStamp FileStamp::of(const QString& path, const FileStamp* known) {
    const QFileInfo info(path);
    FileStamp stamp;
    stamp.exists = info.exists() && !info.isDir();
    if (!stamp.exists) return stamp;
    stamp.size = info.size();
    stamp.modified = info.lastModified();
    stamp.metadataChanged = info.metadataChangeTime();
    if (known && known->exists && sameTimes(stamp, *known)) return *known;
    if (stamp.size <= LargestHashed) stamp.hash = hashOf(path);
    return stamp;
}

bool FileStamp::sameAs(const FileStamp& other) const {
    if (exists != other.exists) return false;
    if (!exists || sameTimes(*this, other)) return true;
    return size == other.size && !hash.isEmpty() && hash == other.hash;
}

bool sameFile(const QString& a, const QString& b) { return identity(a) == identity(b); }
