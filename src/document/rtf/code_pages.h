#pragma once
// The code pages RTF names (\ansicpgN, \cpgN, or a font's \fcharsetN) and the decoding of the
// bytes written in them. Code page 1252, the one almost every file uses, is decoded here
// directly; others go through the platform's converters.
#include <QByteArrayView>
#include <QString>
#include <map>
#include <memory>

namespace rtf {

constexpr int WesternCodePage = 1252;
constexpr int SymbolCodePage = 42;  // fonts of \fcharset2: Symbol, Wingdings

// The code page of a font character set; 0 when the set implies none (the document's own).
int codePageOfCharset(int charset);

// The code-page-1252 byte of a character, or -1 when the code page cannot hold it.
int westernByteOf(char16_t c);

class ByteDecoder {
public:
    ByteDecoder();
    ~ByteDecoder();
    // Appends the characters the bytes stand for in the code page.
    void decode(int codePage, QByteArrayView bytes, QString& out);

private:
    struct Converter;
    std::map<int, std::unique_ptr<Converter>> converters_;
};

}  // namespace rtf
