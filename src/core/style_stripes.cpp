#include "core/style_stripes.h"

namespace {
// Pieces are cut after a space or punctuation once they are this long, and always before the
// position cache's limit.
constexpr int ShortestPiece = 8;
constexpr int LongestPiece = 24;

bool cutsAfter(unsigned char c) {
    return c == ' ' || c == '>' || c == ';' || c == ',' || c == '=' || c == '"' || c == '}' ||
           c == ')' || c == '\t';
}
// Never between the bytes of one UTF-8 character.
bool continues(unsigned char c) { return (c & 0xC0) == 0x80; }

int variantOf(unsigned char style, const StyleStripes::Variants& variants) {
    const unsigned char base = variants.primaryOf[style];
    return style == variants.variant[0][base] ? 0 : style == variants.variant[1][base] ? 1 : 2;
}

// The variant that is neither of two (each a variant or -1); one of the three always is.
int otherThan(int a, int b) {
    for (int variant = 0;; ++variant)
        if (variant != a && variant != b) return variant;
}
}  // namespace

bool StyleStripes::restripe(const char* text, unsigned char* styles, int count, int from,
                            int to, bool textEndsAtCount, const Variants& variants) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const unsigned char* primaryOf = variants.primaryOf;
    const auto sameRun = [&](int a, int b) { return primaryOf[styles[a]] == primaryOf[styles[b]]; };
    // Start at the piece that holds from - 1, when from's run began before it.
    int at = from;
    if (at > 0 && at < count && sameRun(at - 1, at)) {
        --at;
        while (at > 0 && styles[at - 1] == styles[at]) --at;
    }
    int pieceStart = at;
    int variant = -1;  // of the piece being cut
    int previous = -1;  // of the piece before it in its run
    int oldBefore = at > 0 ? styles[at - 1] : -1;
    for (; at < count; ++at) {
        const unsigned char old = styles[at];
        const unsigned char base = primaryOf[old];
        const bool runStarts = at == 0 || base != primaryOf[oldBefore];
        if (runStarts) {
            // A run starts with a change of style whatever its pieces are.
            if (at >= to) return true;
            previous = -1;
            variant = 0;
            pieceStart = at;
        } else if (variant < 0) {
            variant = variantOf(old, variants);
            previous = pieceStart > 0 && sameRun(pieceStart - 1, pieceStart)
                           ? variantOf(styles[pieceStart - 1], variants) : -1;
        } else if (at > to && old != oldBefore) {
            // The first piece already there after the changed stretch: kept with all after it,
            // once the piece before it differs from it.
            const int kept = variantOf(old, variants);
            if (kept == variant) {
                variant = otherThan(previous, kept);
                for (int i = pieceStart; i < at; ++i) styles[i] = variants.variant[variant][base];
            }
            return true;
        } else if (!continues(bytes[at]) &&
                   (at - pieceStart >= LongestPiece ||
                    (at - pieceStart >= ShortestPiece && cutsAfter(bytes[at - 1])))) {
            previous = variant;
            variant = (variant + 1) % 3;
            pieceStart = at;
        }
        styles[at] = variants.variant[variant][base];
        oldBefore = old;
    }
    return textEndsAtCount;
}
