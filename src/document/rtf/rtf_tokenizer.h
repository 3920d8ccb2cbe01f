#pragma once
// Splits RTF into its tokens: group braces, control words with their optional parameter,
// control symbols, \'hh bytes, \bin data and runs of plain text. Line breaks in the file are
// not text and are dropped. Any input, however broken, gives a finite stream ending in End.
#include <QByteArrayView>
#include <string_view>

struct RtfToken {
    enum Kind { End, GroupOpen, GroupClose, Word, Symbol, Hex, Text, Binary };
    Kind kind = End;
    std::string_view data;  // Word: the name; Text and Binary: the bytes
    int param = 0;
    bool hasParam = false;
    char symbol = 0;       // Symbol: the character after the backslash
    unsigned char byte = 0;  // Hex: the byte
};

class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input)
        : pos_(input.data()), end_(input.data() + input.size()) {}
    RtfToken next();
    qsizetype left() const { return end_ - pos_; }  // bytes not read yet

private:
    RtfToken nextOrSkip();
    RtfToken controlWord();

    const char* pos_;
    const char* end_;
};
