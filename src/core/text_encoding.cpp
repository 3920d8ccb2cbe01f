#include "core/text_encoding.h"

#include <QFile>
#include <QStringDecoder>
#include <algorithm>

namespace {
constexpr char16_t Western80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct EncodingRow {
    TextEncoding encoding;
    const char* name;
    const char* key;
    QByteArrayView mark;  // the byte-order mark written first
};
const EncodingRow encodingRows[] = {
    {TextEncoding::Utf8, "UTF-8", "utf8", {}},
    {TextEncoding::Utf8Bom, "UTF-8 with BOM", "utf8-bom", "\xEF\xBB\xBF"},
    {TextEncoding::Windows1252, "Windows-1252", "windows-1252", {}},
    {TextEncoding::Utf16LE, "UTF-16 LE", "utf16le", "\xFF\xFE"},
    {TextEncoding::Utf16BE, "UTF-16 BE", "utf16be", "\xFE\xFF"},
};

const EncodingRow& rowOf(TextEncoding encoding) {
    return *std::find_if(std::begin(encodingRows), std::end(encodingRows),
                         [&](const EncodingRow& row) { return row.encoding == encoding; });
}

constexpr qsizetype Piece = 1 << 20;

// How much of `bytes` ends where a character ends: a sequence that may be cut short at the end
// is left for the next piece.
qsizetype wholeCharacters(QByteArrayView bytes) {
    qsizetype end = bytes.size();
    while (end > 0 && bytes.size() - end < 3 && (static_cast<unsigned char>(bytes[end - 1]) & 0xC0) == 0x80)
        --end;
    if (end > 0 && static_cast<unsigned char>(bytes[end - 1]) >= 0xC0) --end;
    return end > 0 ? end : bytes.size();
}

// Decoded a piece at a time into one small buffer: a large text gets no UTF-16 copy.
bool isUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    std::vector<QChar> units(size_t(std::min(bytes.size(), Piece)) + 1);
    while (!bytes.isEmpty()) {
        const qsizetype size =
            bytes.size() <= Piece ? bytes.size() : wholeCharacters(bytes.first(Piece));
        decoder.appendToBuffer(units.data(), bytes.first(size));
        if (decoder.hasError()) return false;
        bytes = bytes.sliced(size);
    }
    return true;
}

// UTF-16 code units one by one: Qt's converters skip a mark at the start of the text, and a
// text may well begin with one more.
QString fromUtf16(QByteArrayView units, bool bigEndian) {
    QString text(units.size() / 2, Qt::Uninitialized);
    const auto* b = reinterpret_cast<const unsigned char*>(units.data());
    for (qsizetype i = 0; i < text.size(); ++i, b += 2)
        text[i] = QChar(bigEndian ? (b[0] << 8 | b[1]) : (b[1] << 8 | b[0]));
    return text;
}

QByteArray toUtf16(const QString& text, bool bigEndian) {
    QByteArray units(text.size() * 2, Qt::Uninitialized);
    char* out = units.data();
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        *out++ = bigEndian ? high : low;
        *out++ = bigEndian ? low : high;
    }
    return units;
}

// UTF-16 that reads back as the same bytes: surrogates in pairs.
bool isWholeUtf16(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isLowSurrogate()) return false;
        if (c.isHighSurrogate() && !(i + 1 < text.size() && text.at(++i).isLowSurrogate()))
            return false;
    }
    return true;
}

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char b) { return QChar(windows1252Char(static_cast<unsigned char>(b))); });
    return text;
}

int utf8Length(unsigned char lead) {
    return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
}

// Walks UTF-8 text character by character into Windows-1252 bytes (into out when given). The
// offset of the first character the code page cannot hold, or -1 when it holds them all.
qsizetype toWindows1252(QByteArrayView utf8, QByteArray* out) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
    const qsizetype size = utf8.size();
    char* written = nullptr;
    if (out) {
        out->resize(size);
        written = out->data();
    }
    for (qsizetype i = 0; i < size;) {
        const unsigned char lead = bytes[i];
        const int length = utf8Length(lead);
        if (i + length > size) return i;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) c = (c << 6) | (bytes[i + k] & 0x3F);
        const int byte = windows1252ByteOf(c);
        if (byte < 0) return i;
        if (written) *written++ = char(byte);
        i += length;
    }
    if (out) out->truncate(written - out->constData());
    return -1;
}
}  // namespace

const std::vector<TextEncoding>& textEncodings() {
    static const std::vector<TextEncoding> all = [] {
        std::vector<TextEncoding> list;
        for (const EncodingRow& row : encodingRows) list.push_back(row.encoding);
        return list;
    }();
    return all;
}

QString encodingName(TextEncoding encoding) { return QString::fromLatin1(rowOf(encoding).name); }
QByteArray encodingKey(TextEncoding encoding) { return rowOf(encoding).key; }

TextEncoding encodingFromKey(QByteArrayView key) {
    // Recovery files of earlier versions name the 8-bit encoding after Latin-1.
    if (key == "latin1") return TextEncoding::Windows1252;
    for (const EncodingRow& row : encodingRows)
        if (key == row.key) return row.encoding;
    return TextEncoding::Utf8;
}

char16_t windows1252Char(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? Western80[byte - 0x80] : char16_t(byte);
}

int windows1252ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return int(c);
    const auto* found = std::find(std::begin(Western80), std::end(Western80), c);
    return found == std::end(Western80) ? -1 : 0x80 + int(found - std::begin(Western80));
}

namespace {
// The UTF-16 encoding whose byte order mark the bytes start with.
std::optional<TextEncoding> utf16MarkOf(QByteArrayView bytes) {
    for (const TextEncoding utf16 : {TextEncoding::Utf16LE, TextEncoding::Utf16BE})
        if (bytes.startsWith(rowOf(utf16).mark)) return utf16;
    return std::nullopt;
}
}  // namespace

PlainText decodeText(QByteArrayView bytes) {
    if (const std::optional<TextEncoding> utf16 = utf16MarkOf(bytes)) {
        const QByteArrayView units = bytes.sliced(2);
        const QString text = fromUtf16(units, *utf16 == TextEncoding::Utf16BE);
        if (units.size() % 2 == 0 && isWholeUtf16(text))
            return {text.toUtf8(), *utf16};
    }
    const QByteArrayView bom = rowOf(TextEncoding::Utf8Bom).mark;
    if (bytes.startsWith(bom) && isUtf8(bytes.sliced(bom.size())))
        return {bytes.sliced(bom.size()).toByteArray(), TextEncoding::Utf8Bom};
    if (isUtf8(bytes)) return {bytes.toByteArray(), TextEncoding::Utf8};
    return {fromWindows1252(bytes).toUtf8(), TextEncoding::Windows1252};
}

std::optional<TextEncoding> streamUtf8(QFile& file, const std::function<void(QByteArrayView)>& append) {
    const QByteArrayView mark = rowOf(TextEncoding::Utf8Bom).mark;
    const bool marked = file.peek(mark.size()) == mark;
    // One pass over the text after the mark, in pieces that end where a character ends.
    const auto pass = [&](const std::function<bool(QByteArrayView)>& use) {
        if (!file.seek(marked ? mark.size() : 0)) return false;
        QByteArray piece;
        for (;;) {
            const QByteArray more = file.read(Piece);
            if (file.error() != QFileDevice::NoError) return false;
            piece += more;
            const qsizetype whole = more.isEmpty() ? piece.size() : wholeCharacters(piece);
            if (!use(QByteArrayView(piece).first(whole))) return false;
            if (more.isEmpty()) return true;
            piece.remove(0, whole);
        }
    };
    if (!pass([](QByteArrayView text) { return isUtf8(text); })) return std::nullopt;
    if (!pass([&](QByteArrayView text) {
            if (!text.isEmpty()) append(text);
            return true;
        }))
        return std::nullopt;
    return marked ? TextEncoding::Utf8Bom : TextEncoding::Utf8;
}

PlainText decodeDeclared(QByteArrayView bytes, TextEncoding declared) {
    const bool marked = std::any_of(std::begin(encodingRows), std::end(encodingRows), [&](const EncodingRow& row) {
        return !row.mark.isEmpty() && bytes.startsWith(row.mark);
    });
    if (marked) return decodeText(bytes);
    switch (declared) {
    case TextEncoding::Windows1252: return {fromWindows1252(bytes).toUtf8(), declared};
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        if (bytes.size() % 2 == 0)
            return {fromUtf16(bytes, declared == TextEncoding::Utf16BE).toUtf8(), declared};
        break;
    default: break;
    }
    return decodeText(bytes);
}

std::optional<QByteArray> encodeText(const QByteArray& utf8, TextEncoding encoding) {
    const QByteArray mark = rowOf(encoding).mark.toByteArray();
    switch (encoding) {
    case TextEncoding::Utf8: return utf8;  // shared, not copied: a page may be large
    case TextEncoding::Utf8Bom: return mark + utf8;
    case TextEncoding::Windows1252: {
        QByteArray bytes;
        if (toWindows1252(utf8, &bytes) >= 0) return std::nullopt;
        return bytes;
    }
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        // QString::fromUtf8 would drop a mark the text begins with.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        return mark + toUtf16(decoder.decode(utf8), encoding == TextEncoding::Utf16BE);
    }
    }
    return std::nullopt;
}

QString firstUnencodable(QByteArrayView utf8, TextEncoding encoding) {
    if (encoding != TextEncoding::Windows1252) return {};
    const qsizetype at = toWindows1252(utf8, nullptr);
    if (at < 0) return {};
    const qsizetype length = utf8Length(static_cast<unsigned char>(utf8[at]));
    return QString::fromUtf8(utf8.sliced(at, std::min(length, utf8.size() - at)));
}

LineBreak lineBreakOf(QByteArrayView text) {
    if (text.contains('\n')) return text.contains("\r\n") ? LineBreak::CrLf : LineBreak::Lf;
    return text.contains('\r') ? LineBreak::Cr : LineBreak::CrLf;
}

QByteArray lineBreakBytes(LineBreak lineBreak) {
    switch (lineBreak) {
    case LineBreak::Lf: return QByteArrayLiteral("\n");
    case LineBreak::Cr: return QByteArrayLiteral("\r");
    case LineBreak::CrLf: break;
    }
    return QByteArrayLiteral("\r\n");
}

QString lineBreakName(LineBreak lineBreak) {
    switch (lineBreak) {
    case LineBreak::Lf: return QStringLiteral("LF");
    case LineBreak::Cr: return QStringLiteral("CR");
    case LineBreak::CrLf: break;
    }
    return QStringLiteral("CR LF");
}

bool looksLikeText(QByteArrayView head) {
    if (const std::optional<TextEncoding> utf16 = utf16MarkOf(head))
        return !fromUtf16(head.sliced(2), *utf16 == TextEncoding::Utf16BE).contains(QChar(0));
    return !head.contains('\0');
}
