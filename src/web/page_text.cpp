#include "web/page_text.h"

#include <QRegularExpression>
#include <QStringDecoder>

QString charsetOf(const QString& contentType) {
    static const QRegularExpression charset(QStringLiteral("(?:^|;)\\s*charset\\s*=\\s*\"?([^\";\\s]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(contentType).captured(1);
}

PlainText pageText(const QByteArray& bytes, const QString& contentType) {
    // A byte order mark says more than a header, which servers often get wrong.
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding) encoding = QStringConverter::encodingForName(charsetOf(contentType).toLatin1().constData());
    // The charsets the decoder does not know (Windows-1252 and the like) and UTF-8 are left to
    // the file reader, which keeps the bytes of a UTF-8 page as they came. Once it reads byte
    // order marks and more charsets itself, it can take every page from here.
    if (!encoding || *encoding == QStringConverter::Utf8 || *encoding == QStringConverter::System)
        return plainTextFromBytes(bytes);
    QStringDecoder decoder(*encoding);
    const QString text = decoder.decode(bytes);
    // A Latin-1 page is written back as Latin-1; the others as UTF-8.
    return {text.toUtf8(), *encoding == QStringConverter::Latin1};
}
