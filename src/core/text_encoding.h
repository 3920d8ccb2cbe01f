#pragma once
// The encodings a plain text file is read and written in. The panes hold UTF-8; a file keeps the
// encoding it was read in, so that every byte the user did not edit is written back as it was.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QFile;

enum class TextEncoding { Utf8, Utf8Bom, Windows1252, Utf16LE, Utf16BE };

// Every encoding, in the order a save dialog offers them.
const std::vector<TextEncoding>& textEncodings();
// "UTF-8", "Windows-1252": the encoding as the user is shown it.
QString encodingName(TextEncoding encoding);
// The encoding's name in files the program keeps for itself (recovery files).
QByteArray encodingKey(TextEncoding encoding);
TextEncoding encodingFromKey(QByteArrayView key);  // UTF-8 for a key it does not know

struct PlainText {
    QByteArray utf8;
    TextEncoding encoding = TextEncoding::Utf8;
};

// A byte-order mark names UTF-16 (LE or BE) or UTF-8; otherwise valid UTF-8 is UTF-8 and
// anything else Windows-1252. Any bytes are read so that they are written back the same:
// UTF-16 that would not be (an odd length, a lone surrogate) is read as 8-bit text.
PlainText decodeText(QByteArrayView bytes);
// A file that decodeText would read as UTF-8 (with or without its mark), handed to `append` a
// piece at a time once all of it was checked, so that a large file is never held whole. For
// any other file (or a read error part way) it returns nothing; decodeText reads those.
std::optional<TextEncoding> streamUtf8(QFile& file, const std::function<void(QByteArrayView)>& append);
// Bytes that someone said are in `declared` (a server's charset), with no mark of their own:
// UTF-16 read unit by unit, Windows-1252 byte by byte. A byte-order mark still wins over what
// was said, and UTF-8 is read as decodeText reads it.
PlainText decodeDeclared(QByteArrayView bytes, TextEncoding declared);
// The text in the encoding; nothing when the encoding cannot hold one of its characters.
std::optional<QByteArray> encodeText(const QByteArray& utf8, TextEncoding encoding);
// The first character of the UTF-8 text that the encoding cannot hold; empty when there is none.
QString firstUnencodable(QByteArrayView utf8, TextEncoding encoding);

// The line break a text's lines end in: LF when every break is LF alone, CR when every one is
// CR alone, else (mixed, or no break at all) the program's own CR LF. New lines follow it.
enum class LineBreak { CrLf, Lf, Cr };
LineBreak lineBreakOf(QByteArrayView text);
QByteArray lineBreakBytes(LineBreak lineBreak);  // "\r\n", "\n", "\r"
QString lineBreakName(LineBreak lineBreak);      // "CR LF", "LF", "CR": as the user is shown it

// Whether the first bytes of a file are text: no NUL byte, or UTF-16 with its mark and no NUL
// character. Pictures, archives and programs almost always hold one.
bool looksLikeText(QByteArrayView head);

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes it leaves undefined
// stand for the control characters of the same number, so that every byte reads back as itself.
char16_t windows1252Char(unsigned char byte);
int windows1252ByteOf(char32_t c);  // -1 when the code page cannot hold c
