#include "web/page_text.h"

#include <QRegularExpression>
#include <iterator>

namespace {
// The charsets servers name, by what the editor reads them as. Browsers read a page said to
// be in Latin-1 as Windows-1252, which holds every printable Latin-1 character.
struct CharsetRow {
    const char* name;
    TextEncoding encoding;
};
const CharsetRow charsetRows[] = {
    {"utf-8", TextEncoding::Utf8},          {"utf8", TextEncoding::Utf8},
    {"utf-16", TextEncoding::Utf16LE},      {"utf-16le", TextEncoding::Utf16LE},
    {"utf-16be", TextEncoding::Utf16BE},    {"windows-1252", TextEncoding::Windows1252},
    {"cp1252", TextEncoding::Windows1252},  {"iso-8859-1", TextEncoding::Windows1252},
    {"latin1", TextEncoding::Windows1252},  {"us-ascii", TextEncoding::Windows1252},
};
}  // namespace

QString charsetOf(const QString& contentType) {
    static const QRegularExpression charset(QStringLiteral("(?:^|;)\\s*charset\\s*=\\s*\"?([^\";\\s]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    return charset.match(contentType).captured(1);
}

PlainText pageText(const QByteArray& bytes, const QString& contentType) {
    const QString charset = charsetOf(contentType).toLower();
    const auto row = std::find_if(std::begin(charsetRows), std::end(charsetRows),
                                  [&](const CharsetRow& r) { return charset == QLatin1String(r.name); });
    // A charset the editor does not know is left to the file reader's own judgement.
    if (row == std::end(charsetRows)) return decodeText(bytes);
    return decodeDeclared(bytes, row->encoding);
}
