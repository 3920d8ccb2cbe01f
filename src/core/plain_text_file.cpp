#include "core/plain_text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace {
void report(QString* error, const QString& path, const QString& reason) {
    if (error) *error = path + QStringLiteral(": ") + reason;
}

bool isUtf8(const QByteArray& bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
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

bool looksLikeText(QByteArrayView bytes) { return !bytes.contains('\0'); }

PlainText plainTextFromBytes(const QByteArray& bytes) {
    if (isUtf8(bytes)) return {bytes, false};
    return {QString::fromLatin1(bytes).toUtf8(), true};
}

QString firstOutsideLatin1(const char* utf8, qsizetype size) {
    // Every character above U+00FF starts with a lead byte of C4 or more; the rest of the
    // text need not be decoded.
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8);
    const auto* end = bytes + size;
    const auto* lead = std::find_if(bytes, end, [](unsigned char b) { return b >= 0xC4; });
    if (lead == end) return {};
    const qsizetype length = *lead >= 0xF0 ? 4 : *lead >= 0xE0 ? 3 : 2;
    return QString::fromUtf8(reinterpret_cast<const char*>(lead), std::min<qsizetype>(length, end - lead));
}

QString describeCharacter(const QString& character) {
    const uint code = character.isEmpty() ? 0 : character.toUcs4().value(0);
    const QString hex = QString::number(code, 16).toUpper().rightJustified(4, QLatin1Char('0'));
    return QStringLiteral("\u201C%1\u201D (U+%2)").arg(character, hex);
}

bool writePlainText(const QString& path, const QByteArray& utf8, bool latin1, QString* error) {
    QByteArray bytes = utf8;
    if (latin1) {
        const QString outside = firstOutsideLatin1(utf8.constData(), utf8.size());
        if (!outside.isEmpty()) {
            report(error, path,
                   QStringLiteral("Latin-1 cannot hold %1.").arg(describeCharacter(outside)));
            return false;
        }
        bytes = QString::fromUtf8(utf8).toLatin1();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        report(error, path, file.errorString());
        return false;
    }
    return true;
}
