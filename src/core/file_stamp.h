#pragma once
// What a window knows of its file on disk, to tell another program's change from its own save:
// the size, the two times and, for files of ordinary size, a hash of the bytes, so that a file
// only touched or written again with the same bytes does not count as changed.
#include <QByteArray>
#include <QDateTime>
#include <QString>

struct FileStamp {
    bool exists = false;
    qint64 size = 0;
    QDateTime modified;
    QDateTime metadataChanged;  // also moves when another file is renamed over this one
    QByteArray hash;            // empty for files too big to read again at every save

    // The file's stamp now. The bytes are only hashed when size or times differ from `known`.
    static FileStamp of(const QString& path, const FileStamp* known = nullptr);
    // The same bytes, as far as the two stamps can tell.
    bool sameAs(const FileStamp& other) const;
};

// True when both paths name one file, whether through a symbolic link, "./" or "..".
bool sameFile(const QString& a, const QString& b);
