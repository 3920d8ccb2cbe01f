#pragma once
// Scintilla measures a line's text in pieces cut where the style changes and keeps the
// measured pieces shorter than 30 bytes in its position cache; a longer piece is measured
// through the text layout engine every time its line is laid out, and a line whose text
// changed is laid out whole. On a minified page of one line of megabytes that was the cost of
// each keystroke. On such a line a run of one style is cut into short pieces, each drawn in
// one of three variants of the style (the style and two twins that look exactly like it), so
// that neighbouring pieces differ and Scintilla keeps every piece in its cache.
//
// Cuts fall after spaces and punctuation. After an edit the pieces are cut again from the one
// the edit starts in up to the first piece already there after it, so an edit restripes a few
// pieces and the rest of the line is found in the cache.
namespace StyleStripes {
// Lines longer than this are striped; shorter ones are laid out quickly enough as they are.
constexpr int LongLine = 4096;
// How far before a changed stretch the pieces are looked at again.
constexpr int Lookback = 32;

// For each style: the style it is a variant of, and that style's three variants (the first
// being the style itself; all three the same when no twins could be made).
struct Variants {
    const unsigned char* primaryOf;
    const unsigned char* variant[3];
};

// `text` and `styles` hold [0, count) of the pane, striped as above except in [from, to),
// whose text or styles changed; from is at least Lookback, or 0. Stripes [from, to) and the
// pieces on either side of it that it changes. Returns false when it came to `count` first and
// the text goes on after it.
bool restripe(const char* text, unsigned char* styles, int count, int from, int to,
              bool textEndsAtCount, const Variants& variants);
}  // namespace StyleStripes
