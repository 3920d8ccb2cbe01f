#include "document/rtf/rtf_tokenizer.h"

#include <algorithm>
#include <climits>

namespace {
constexpr int MaxNameLength = 32;

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

RtfToken RtfTokenizer::next() {
    for (;;) {
        const char* before = pos_;
        RtfToken token = nextOrSkip();
        if (token.kind != RtfToken::End || pos_ >= end_ || pos_ == before) return token;
    }
}

// End here, short of the end of input, means a broken escape was dropped: read on.
RtfToken RtfTokenizer::nextOrSkip() {
    RtfToken token;
    while (pos_ < end_ && (*pos_ == '\r' || *pos_ == '\n')) ++pos_;
    if (pos_ >= end_) return token;
    const char c = *pos_;
    if (c == '{' || c == '}') {
        ++pos_;
        token.kind = c == '{' ? RtfToken::GroupOpen : RtfToken::GroupClose;
        return token;
    }
    if (c != '\\') {
        const char* start = pos_;
        while (pos_ < end_ && *pos_ != '\\' && *pos_ != '{' && *pos_ != '}' && *pos_ != '\r' &&
               *pos_ != '\n')
            ++pos_;
        token.kind = RtfToken::Text;
        token.data = std::string_view(start, size_t(pos_ - start));
        return token;
    }
    ++pos_;  // the backslash
    if (pos_ >= end_) return token;
    if (isLetter(*pos_)) return controlWord();
    const char symbol = *pos_++;
    if (symbol == '\'') {
        const int high = pos_ < end_ ? hexValue(pos_[0]) : -1;
        const int low = pos_ + 1 < end_ ? hexValue(pos_[1]) : -1;
        if (high < 0 || low < 0) return token;  // a broken escape is dropped
        pos_ += 2;
        token.kind = RtfToken::Hex;
        token.byte = static_cast<unsigned char>(high * 16 + low);
        return token;
    }
    token.kind = RtfToken::Symbol;
    token.symbol = symbol == '\r' ? '\n' : symbol;  // backslash before a line break is \par
    return token;
}

RtfToken RtfTokenizer::controlWord() {
    RtfToken token;
    token.kind = RtfToken::Word;
    const char* start = pos_;
    while (pos_ < end_ && isLetter(*pos_)) ++pos_;
    token.data = std::string_view(start, size_t(std::min<long>(pos_ - start, MaxNameLength)));
    const bool negative = pos_ + 1 < end_ && *pos_ == '-' && isDigit(pos_[1]);
    if (negative) ++pos_;
    if (pos_ < end_ && isDigit(*pos_)) {
        // Numbers beyond the int range saturate: a reader must survive them.
        long long value = 0;
        while (pos_ < end_ && isDigit(*pos_)) {
            if (value < INT_MAX) value = value * 10 + (*pos_ - '0');
            ++pos_;
        }
        if (value > INT_MAX) value = INT_MAX;
        token.param = int(negative ? -value : value);
        token.hasParam = true;
    }
    if (pos_ < end_ && *pos_ == ' ') ++pos_;
    if (token.data == "bin" && token.hasParam) {
        const long long length =
            std::clamp<long long>(token.param, 0, static_cast<long long>(end_ - pos_));
        token.kind = RtfToken::Binary;
        token.data = std::string_view(pos_, size_t(length));
        pos_ += length;
    }
    return token;
}
