#include "core/plain_text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
void report(QString* error, const QString& path, const QString& reason) {
    if (error) *error = path + QStringLiteral(": ") + reason;
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

// The Latin-1 bytes of the text, or nothing when some character lies outside Latin-1.
std::optional<QByteArray> toLatin1(const QByteArray& utf8) {
    const QString text = QString::fromUtf8(utf8);
    for (QChar c : text)
        if (c.unicode() > 0xFF) return std::nullopt;
    return text.toLatin1();
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
    return plainTextFromBytes(bytes);
}

PlainText plainTextFromBytes(const QByteArray& bytes) {
    if (isUtf8(bytes)) return {bytes, false};
    return {QString::fromLatin1(bytes).toUtf8(), true};
}

bool writePlainText(const QString& path, const QByteArray& utf8, bool latin1, QString* error) {
    QByteArray bytes = utf8;
    if (latin1) {
        if (auto narrow = toLatin1(utf8)) bytes = *narrow;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        report(error, path, file.errorString());
        return false;
    }
    return true;
}
