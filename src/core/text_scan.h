#pragma once
// Byte scans over a pane's text: the delimiters the program looks for are ASCII, so a scan
// over UTF-8 bytes never stops inside a character.
#include <QByteArray>
#include <algorithm>
#include <array>
#include <cstring>

class ByteSet {
public:
    explicit ByteSet(const QByteArray& members) {
        for (char c : members) in_[static_cast<unsigned char>(c)] = true;
    }
    bool contains(char c) const { return in_[static_cast<unsigned char>(c)]; }

private:
    std::array<bool, 256> in_{};
};

// The characters data[0, length) holds, counted as the user counts them: every UTF-8 byte that
// does not continue a character starts one.
inline int utf8CharacterCount(const char* data, int length) {
    int characters = 0;
    for (int i = 0; i < length; ++i) characters += (static_cast<unsigned char>(data[i]) & 0xC0) != 0x80;
    return characters;
}

// Index of the first byte of data[0, length) that is in the set (not in it, with negate);
// length when there is none.
inline int firstIn(const char* data, int length, const ByteSet& set, bool negate) {
    for (int i = 0; i < length; ++i)
        if (set.contains(data[i]) != negate) return i;
    return length;
}

// Index just after the last byte of data[0, length) that is in the set (or not, with negate);
// 0 when there is none.
inline int afterLastIn(const char* data, int length, const ByteSet& set, bool negate) {
    for (int i = length; i > 0; --i)
        if (set.contains(data[i - 1]) != negate) return i;
    return 0;
}

// Index of the first `wanted` byte of text[from, to), the range cut to the text; -1 when there
// is none.
inline int indexOfByte(const QByteArray& text, char wanted, int from, int to) {
    from = std::max(from, 0);
    to = std::min(to, int(text.size()));
    if (from >= to) return -1;
    const void* hit = std::memchr(text.constData() + from, wanted, size_t(to - from));
    return hit ? int(static_cast<const char*>(hit) - text.constData()) : -1;
}

inline int indexOfByte(const QByteArray& text, char wanted, int from) {
    return indexOfByte(text, wanted, from, int(text.size()));
}
