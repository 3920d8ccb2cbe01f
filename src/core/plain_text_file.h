#pragma once
// Plain text files as the panes load and save them: read in the encoding the file is in (see
// decodeText) and written back in the same one, so that no byte the user did not edit changes
// on save. Nothing is ever converted to another encoding behind the user's back.
#include <QByteArray>
#include <QString>
#include <optional>

#include "core/text_encoding.h"

std::optional<PlainText> readPlainText(const QString& path, QString* error);
// Writes through a temporary file, so that a failed save leaves the old file as it was. Text
// holding a character the encoding cannot hold is not written: false, and the reason names the
// character. The caller asks the user first (see firstUnencodable).
bool writePlainText(const QString& path, const QByteArray& utf8, TextEncoding encoding,
                    QString* error);

// "€" (U+20AC): a character as the user is told about it.
QString describeCharacter(const QString& character);
