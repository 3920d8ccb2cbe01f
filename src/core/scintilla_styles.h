#pragma once
// The character attributes of a code pane live in Scintilla styles: one style for each distinct
// combination of colour, bold, italic, underline, strike-through, font name and size, made when
// first needed and shared from then on.
#include <QHash>
#include <QString>
#include <array>
#include <vector>

#include "core/style_stripes.h"
#include "platform/colour.h"

class QsciScintillaBase;

struct StyleKey {
    Rgb colour = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    QString font;
    int size = 10;
    bool operator==(const StyleKey&) const = default;
};
size_t qHash(const StyleKey& key, size_t seed = 0);

enum class StyleAttribute { Colour, Bold, Italic, Underline, Strike, FontName, FontSize };

// One attribute set to one value, as SelColor, SelBold, ... do it.
struct StyleChange {
    StyleAttribute attribute;
    int value = 0;  // colour, flag or size
    QString name;   // font name
};

class ScintillaStyles {
public:
    // Style 0 starts as the base font in black.
    ScintillaStyles(QsciScintillaBase& sci, const QString& baseFont, int baseSize);

    const StyleKey& key(int style) const { return keys_[style]; }
    bool strikes(int style) const { return keys_[style].strike; }
    int styleFor(const StyleKey& key);
    // The style that differs from `style` only by the change.
    int derive(int style, const StyleChange& change);
    // Whether the change would give every style in use back unchanged, so that no byte of any
    // stretch needs looking at. Makes no style.
    bool leavesAllAsTheyAre(const StyleChange& change) const;

    // Every style has three variants drawn exactly alike: itself and two twins, made when first
    // needed (see style_stripes.h). Makes the twins of the styles in `styles` that have none
    // yet, where numbers are left; a style without twins is its own variants.
    StyleStripes::Variants variantsFor(const unsigned char* styles, int count);
    // For each style, the style it is a twin of, or itself.
    const unsigned char* primaries() const { return primary_.data(); }

    void setBackColor(Rgb colour);
    // Every style takes the new base font, as the pane's Font applies to the whole text.
    void setBaseFont(const QString& name, int size);

private:
    void define(int style);
    int nextFree() const;

    QsciScintillaBase& sci_;
    std::array<StyleKey, 256> keys_;
    std::vector<int> used_;
    std::array<unsigned char, 256> primary_;
    std::array<std::array<unsigned char, 256>, 2> twins_;
    QHash<StyleKey, int> index_;
    QHash<quint64, int> derived_;  // (style, attribute, value) -> style, for the common changes
    quint64 lastKey_ = ~quint64(0);
    int lastResult_ = 0;
    Rgb back_ = 0xFFFFFF;
};
