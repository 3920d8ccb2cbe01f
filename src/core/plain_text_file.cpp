#include "core/plain_text_file.h"

#include <QFile>
#include <QSaveFile>

namespace {
void report(QString* error, const QString& path, const QString& reason) {
    if (error) *error = path + QStringLiteral(": ") + reason;
}
}  // namespace

std::optional<PlainText> readPlainText(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(error, path, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report(error, path, file.errorString());
        return std::nullopt;
    }
    return decodeText(bytes);
}

QString describeCharacter(const QString& character) {
    const uint code = character.isEmpty() ? 0 : character.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("\u201C%1\u201D (U+%2)").arg(character, hex);
}

bool writePlainText(const QString& path, const QByteArray& utf8, TextEncoding encoding,
                    QString* error) {
    const std::optional<QByteArray> bytes = encodeText(utf8, encoding);
    if (!bytes) {
        report(error, path,
               QStringLiteral("%1 cannot hold %2.")
                   .arg(encodingName(encoding), describeCharacter(firstUnencodable(utf8, encoding))));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*bytes) != bytes->size() || !file.commit()) {
        report(error, path, file.errorString());
        return false;
    }
    return true;
}
