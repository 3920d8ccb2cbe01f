#pragma once
// Where child windows and palettes go. Pure arithmetic on rectangles, so that the rules can be
// read (and tested) apart from the widgets they place.
#include <QList>
#include <QRect>

// The place of the index-th window of a cascade in the MDI area `area`: three quarters of the
// area (no less than a window's `minimum`), each window `step` pixels right of and below the one
// before, starting again at the top left corner before a window would leave the area.
QRect cascadePlace(const QRect& area, int index, int step, const QSize& minimum = {});

// The places of `count` windows tiled over `area`, one above the other (Qt::Vertical) or side
// by side (Qt::Horizontal). Windows that do not fit in one column (row) at their `minimum` size
// take more columns (rows); the places then share the area without gap or overlap. More
// windows than fit at all overlap, each place at least `minimum` and inside the area as far as
// the area is large enough, its top left corner always.
QList<QRect> tilePlaces(const QRect& area, int count, Qt::Orientation direction,
                        const QSize& minimum);

// Where the palette of the given slot (0, 1, ...) opens: beside the frame, one under the other,
// on whichever side the screen has room for it, and otherwise inside the frame's right edge;
// always wholly on the screen. `palette` is the palette's size with its title bar and borders.
QPoint palettePlace(const QRect& frame, const QSize& palette, const QRect& screen, int slot);

// Where the frame opens when no placement was saved (the first start, or a placement on a
// screen that is gone): most of the screen's free area, centred on it.
QRect firstStartPlace(const QRect& screen);
