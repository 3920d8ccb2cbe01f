#include "shell/window_layout.h"

#include <algorithm>

namespace {
constexpr int PaletteGap = 8;          // between the frame and a palette beside it
constexpr int PaletteTop = 40;         // the first palette's distance below the frame's top
constexpr int PaletteSpacing = 60;     // from one palette's top to the next one's
}  // namespace

QRect cascadePlace(const QRect& area, int index, int step, const QSize& minimum) {
    const QSize size = (area.size() * 3 / 4).expandedTo(minimum);
    step = std::max(step, 1);
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int places = std::max(room / step, 0) + 1;
    const int offset = (index % places) * step;
    return QRect(area.topLeft() + QPoint(offset, offset), size);
}

namespace {
// The i-th of n stretches that cover [0, length) edge to edge.
std::pair<int, int> share(int length, int n, int i) {
    const int from = int(qint64(length) * i / n);
    return {from, int(qint64(length) * (i + 1) / n) - from};
}
}  // namespace

QList<QRect> tilePlaces(const QRect& area, int count, Qt::Orientation direction,
                        const QSize& minimum) {
    // Worked out along the direction the windows follow each other (a line is a column when
    // they are one above the other), then turned to the area's axes.
    const bool stacked = direction == Qt::Vertical;
    const int along = stacked ? area.height() : area.width();
    const int across = stacked ? area.width() : area.height();
    const int minAlong = std::max(1, stacked ? minimum.height() : minimum.width());
    const int minAcross = std::max(1, stacked ? minimum.width() : minimum.height());
    const int perLine = std::max(1, along / minAlong);
    const int lines = std::clamp((count + perLine - 1) / perLine, 1, std::max(1, across / minAcross));
    QList<QRect> places;
    for (int line = 0; line < lines; ++line) {
        const int inLine = count / lines + (line < count % lines ? 1 : 0);
        const auto [acrossFrom, acrossSize] = share(across, lines, line);
        for (int i = 0; i < inLine; ++i) {
            const auto [alongFrom, alongSize] = share(along, inLine, i);
            QRect place = stacked ? QRect(acrossFrom, alongFrom, acrossSize, alongSize)
                                  : QRect(alongFrom, acrossFrom, alongSize, acrossSize);
            place.setSize(place.size().expandedTo(minimum));
            // A window larger than its share moves back inside the area: one that stuck out
            // would give the area scroll bars, and its title bar could leave the view.
            place.moveLeft(std::clamp(place.left(), 0, std::max(0, area.width() - place.width())));
            place.moveTop(std::clamp(place.top(), 0, std::max(0, area.height() - place.height())));
            places.append(place.translated(area.topLeft()));
        }
    }
    return places;
}

QPoint palettePlace(const QRect& frame, const QSize& palette, const QRect& screen, int slot) {
    int x = frame.right() + 1 + PaletteGap;
    if (x + palette.width() > screen.right() + 1) {
        const int left = frame.left() - PaletteGap - palette.width();
        x = left >= screen.left() ? left : frame.right() + 1 - PaletteGap - palette.width();
    }
    const int y = frame.top() + PaletteTop + PaletteSpacing * slot;
    return QPoint(std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - palette.width())),
                  std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - palette.height())));
}

QRect firstStartPlace(const QRect& screen) {
    const QSize size(screen.width() * 9 / 10, screen.height() * 9 / 10);
    return QRect(screen.topLeft() + QPoint((screen.width() - size.width()) / 2,
                                           (screen.height() - size.height()) / 2),
                 size);
}
