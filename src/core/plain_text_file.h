#pragma once
// Plain text files as the panes load and save them: the bytes as they are when they are valid
// UTF-8; otherwise read as Latin-1 and written back as Latin-1, so that an unedited file saves
// byte for byte.
#include <QByteArray>
#include <QString>
#include <optional>

struct PlainText {
    QByteArray utf8;
    bool latin1 = false;  // the file was not UTF-8
};

std::optional<PlainText> readPlainText(const QString& path, QString* error);
// The same for bytes from elsewhere (a download).
PlainText plainTextFromBytes(const QByteArray& bytes);
// Writes through a temporary file, so that a failed save leaves the old file as it was.
// Text that Latin-1 cannot hold is written as UTF-8 rather than lost.
bool writePlainText(const QString& path, const QByteArray& utf8, bool latin1, QString* error);
