#pragma once
// Where child windows and palettes go. Pure arithmetic on rectangles, so that the rules can be
// read (and tested) apart from the widgets they place.
#include <QRect>

// The place of the index-th window of a cascade in the MDI area `area`: three quarters of the
// area, each window `step` pixels right of and below the one before, starting again at the
// top left corner before a window would leave the area.
QRect cascadePlace(const QRect& area, int index, int step);

// Where the palette of the given slot (0, 1, ...) opens: beside the frame, one under the other,
// on whichever side the screen has room for it, and otherwise inside the frame's right edge;
// always wholly on the screen. `palette` is the palette's size with its title bar and borders.
QPoint palettePlace(const QRect& frame, const QSize& palette, const QRect& screen, int slot);

// Where the frame opens when no placement was saved (the first start, or a placement on a
// screen that is gone): most of the screen's free area, centred on it.
QRect firstStartPlace(const QRect& screen);
