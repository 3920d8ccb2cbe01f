#include "document/rtf/code_pages.h"

#include <QStringDecoder>
#include <iterator>

#include "core/text_encoding.h"

namespace rtf {
namespace {
struct CharsetRow {
    int charset;
    int codePage;
};
const CharsetRow charsetRows[] = {
    {0, 1252},   {2, SymbolCodePage}, {77, 10000}, {128, 932},  {129, 949},
    {130, 1361}, {134, 936},          {136, 950},  {161, 1253}, {162, 1254},
    {163, 1258}, {177, 1255},         {178, 1256}, {186, 1257}, {204, 1251},
    {222, 874},  {238, 1250},         {254, 437},  {255, 850},
};

struct CodePageName {
    int codePage;
    const char* name;
};
const CodePageName codePageNames[] = {
    {437, "IBM437"},      {850, "IBM850"},        {874, "windows-874"}, {932, "Shift_JIS"},
    {936, "GBK"},         {949, "windows-949"},   {950, "Big5"},        {1250, "windows-1250"},
    {1251, "windows-1251"}, {1253, "windows-1253"}, {1254, "windows-1254"},
    {1255, "windows-1255"}, {1256, "windows-1256"}, {1257, "windows-1257"},
    {1258, "windows-1258"}, {1361, "Johab"},       {10000, "macintosh"}, {65001, "UTF-8"},
};

void decodeWestern(QByteArrayView bytes, QString& out) {
    for (const char b : bytes) out += QChar(windows1252Char(static_cast<unsigned char>(b)));
}
}  // namespace

int codePageOfCharset(int charset) {
    for (const CharsetRow& row : charsetRows)
        if (row.charset == charset) return row.codePage;
    return 0;
}

int westernByteOf(char16_t c) {
    if (c >= 0x80 && c < 0xA0) return -1;  // the C1 controls, and the holes of the table
    return windows1252ByteOf(c);
}

// A converter keeps its state between calls, so a double-byte character split over two
// escapes still comes out whole.
struct ByteDecoder::Converter {
    QStringDecoder decoder;
};

ByteDecoder::ByteDecoder() = default;
ByteDecoder::~ByteDecoder() = default;

void ByteDecoder::decode(int codePage, QByteArrayView bytes, QString& out) {
    if (codePage == WesternCodePage || codePage == 0) {
        decodeWestern(bytes, out);
        return;
    }
    if (codePage == SymbolCodePage) {
        // Symbol fonts draw their bullet at 0xB7; everything else is shown as Latin-1.
        for (const char b : bytes)
            out += QChar(static_cast<unsigned char>(b) == 0xB7 ? char16_t(0x2022)
                                                               : char16_t(static_cast<unsigned char>(b)));
        return;
    }
    auto& converter = converters_[codePage];
    if (!converter) {
        converter = std::make_unique<Converter>();
        for (const CodePageName& row : codePageNames)
            if (row.codePage == codePage) converter->decoder = QStringDecoder(row.name);
    }
    if (!converter->decoder.isValid()) {
        decodeWestern(bytes, out);
        return;
    }
    out += converter->decoder.decode(bytes);
}

}  // namespace rtf
