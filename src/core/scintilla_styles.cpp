#include "core/scintilla_styles.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>

namespace {
using Sci = QsciScintillaBase;

// Scintilla keeps styles 32..39 for the margin, braces and other parts of its own.
bool isOwnStyle(int style) { return style >= Sci::STYLE_DEFAULT && style <= Sci::STYLE_LASTPREDEFINED; }

void apply(StyleKey& key, const StyleChange& change) {
    switch (change.attribute) {
    case StyleAttribute::Colour: key.colour = change.value; break;
    case StyleAttribute::Bold: key.bold = change.value != 0; break;
    case StyleAttribute::Italic: key.italic = change.value != 0; break;
    case StyleAttribute::Underline: key.underline = change.value != 0; break;
    case StyleAttribute::Strike: key.strike = change.value != 0; break;
    case StyleAttribute::FontName: key.font = change.name; break;
    case StyleAttribute::FontSize: key.size = change.value; break;
    }
}
}  // namespace

size_t qHash(const StyleKey& key, size_t seed) {
    const int flags = key.bold | key.italic << 1 | key.underline << 2 | key.strike << 3;
    return qHashMulti(seed, key.colour, flags, key.font, key.size);
}

ScintillaStyles::ScintillaStyles(QsciScintillaBase& sci, const QString& baseFont, int baseSize)
    : sci_(sci) {
    for (int style = 0; style < 256; ++style) primary_[style] = static_cast<unsigned char>(style);
    twins_ = {primary_, primary_};
    keys_[0] = StyleKey{0, false, false, false, false, baseFont, baseSize};
    used_.push_back(0);
    index_.insert(keys_[0], 0);
    define(0);
}

int ScintillaStyles::nextFree() const {
    for (int style = 1; style < 256; ++style) {
        if (isOwnStyle(style)) continue;
        if (std::find(used_.begin(), used_.end(), style) == used_.end()) return style;
    }
    return -1;
}

int ScintillaStyles::styleFor(const StyleKey& key) {
    if (auto it = index_.constFind(key); it != index_.constEnd()) return *it;
    const int style = nextFree();
    // All styles taken: the text keeps showing in the base style rather than failing.
    if (style < 0) return 0;
    keys_[style] = key;
    used_.push_back(style);
    index_.insert(key, style);
    define(style);
    return style;
}

StyleStripes::Variants ScintillaStyles::variantsFor(const unsigned char* styles, int count) {
    std::array<bool, 256> tried{};
    for (int i = 0; i < count; ++i) {
        const int style = primary_[styles[i]];
        if (twins_[0][style] != style || tried[style]) continue;
        tried[style] = true;
        std::array<int, 2> twins{};
        for (int& twin : twins) {
            twin = nextFree();
            if (twin < 0) break;
            keys_[twin] = keys_[style];
            used_.push_back(twin);
            primary_[twin] = static_cast<unsigned char>(style);
            define(twin);
        }
        if (twins[0] < 0 || twins[1] < 0) break;
        twins_[0][style] = static_cast<unsigned char>(twins[0]);
        twins_[1][style] = static_cast<unsigned char>(twins[1]);
    }
    return {primary_.data(), {primary_.data(), twins_[0].data(), twins_[1].data()}};
}

int ScintillaStyles::derive(int style, const StyleChange& change) {
    if (change.attribute == StyleAttribute::FontName) {
        StyleKey key = keys_[style];
        apply(key, change);
        return styleFor(key);
    }
    const quint64 cacheKey = quint64(style) << 40 | quint64(change.attribute) << 32 |
                             quint32(change.value);
    // A colouring pass asks the same question many times in a row.
    if (lastKey_ == cacheKey) return lastResult_;
    int result;
    if (auto it = derived_.constFind(cacheKey); it != derived_.constEnd()) {
        result = *it;
    } else {
        StyleKey key = keys_[style];
        apply(key, change);
        result = styleFor(key);
        derived_.insert(cacheKey, result);
    }
    lastKey_ = cacheKey;
    lastResult_ = result;
    return result;
}

bool ScintillaStyles::leavesAllAsTheyAre(const StyleChange& change) const {
    return std::all_of(used_.begin(), used_.end(), [&](int style) {
        if (primary_[style] != style) return true;  // a twin goes as its style goes
        StyleKey key = keys_[style];
        apply(key, change);
        // Two styles that look alike map to the first: the other would still be rewritten.
        const auto it = index_.constFind(key);
        return it != index_.constEnd() && *it == style;
    });
}

void ScintillaStyles::define(int style) {
    const StyleKey& key = keys_[style];
    sci_.SendScintilla(Sci::SCI_STYLESETFORE, style, long(key.colour));
    sci_.SendScintilla(Sci::SCI_STYLESETBACK, style, long(back_));
    sci_.SendScintilla(Sci::SCI_STYLESETBOLD, style, long(key.bold));
    sci_.SendScintilla(Sci::SCI_STYLESETITALIC, style, long(key.italic));
    sci_.SendScintilla(Sci::SCI_STYLESETUNDERLINE, style, long(key.underline));
    sci_.SendScintilla(Sci::SCI_STYLESETFONT, uintptr_t(style), key.font.toUtf8().constData());
    sci_.SendScintilla(Sci::SCI_STYLESETSIZE, style, long(key.size));
}

void ScintillaStyles::setBackColor(Rgb colour) {
    back_ = colour;
    sci_.SendScintilla(Sci::SCI_STYLESETBACK, Sci::STYLE_DEFAULT, long(colour));
    for (int style : used_) sci_.SendScintilla(Sci::SCI_STYLESETBACK, style, long(colour));
}

void ScintillaStyles::setBaseFont(const QString& name, int size) {
    sci_.SendScintilla(Sci::SCI_STYLESETFONT, uintptr_t(Sci::STYLE_DEFAULT),
                       name.toUtf8().constData());
    sci_.SendScintilla(Sci::SCI_STYLESETSIZE, Sci::STYLE_DEFAULT, long(size));
    index_.clear();
    derived_.clear();
    lastKey_ = ~quint64(0);
    for (int style : used_) {
        keys_[style].font = name;
        keys_[style].size = size;
        define(style);
        // Styles that now look alike stay in use; new text shares the first of them.
        if (!index_.contains(keys_[style])) index_.insert(keys_[style], style);
    }
}
