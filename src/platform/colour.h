#pragma once
// Colours are 24-bit RGB integers with red in the low byte, green in the second and blue in
// the third, as the settings record and the HTML templates use them.
#include <QColor>
#include <QtGlobal>

using Rgb = qint32;

constexpr Rgb makeRgb(int red, int green, int blue) {
    return (red & 255) | ((green & 255) << 8) | ((blue & 255) << 16);
}
constexpr int RedOf(Rgb c) { return c & 255; }
constexpr int GreenOf(Rgb c) { return ((c & 0xFFFF00) / 256) & 255; }
constexpr int BlueOf(Rgb c) { return (c / 65536) & 255; }

inline QColor toQColor(Rgb c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
inline Rgb fromQColor(const QColor& c) { return makeRgb(c.red(), c.green(), c.blue()); }
