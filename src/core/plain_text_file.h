#pragma once
// Plain text files as the panes load and save them: the bytes as they are when they are valid
// UTF-8; otherwise read as Latin-1 and written back as Latin-1, so that no byte the user did not
// edit changes on save. Nothing is ever converted to another encoding behind the user's back.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

struct PlainText {
    QByteArray utf8;
    bool latin1 = false;  // the file was not UTF-8
};

std::optional<PlainText> readPlainText(const QString& path, QString* error);
// The same for bytes from elsewhere (a download).
PlainText plainTextFromBytes(const QByteArray& bytes);
// Text never holds a NUL byte; pictures, archives and programs almost always do.
bool looksLikeText(QByteArrayView bytes);
// Writes through a temporary file, so that a failed save leaves the old file as it was. A
// Latin-1 file whose text holds a character Latin-1 cannot hold is not written: false, and the
// reason names the character. The caller asks the user first (see firstOutsideLatin1).
bool writePlainText(const QString& path, const QByteArray& utf8, bool latin1, QString* error);

// The first character of the UTF-8 text that Latin-1 cannot hold; empty when there is none.
QString firstOutsideLatin1(const char* utf8, qsizetype size);
// "€" (U+20AC): a character as the user is told about it.
QString describeCharacter(const QString& character);
