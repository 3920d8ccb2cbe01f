#include "shell/window_layout.h"

#include <algorithm>

namespace {
constexpr int PaletteGap = 8;          // between the frame and a palette beside it
constexpr int PaletteTop = 40;         // the first palette's distance below the frame's top
constexpr int PaletteSpacing = 60;     // from one palette's top to the next one's
}  // namespace

QRect cascadePlace(const QRect& area, int index, int step) {
    const QSize size = area.size() * 3 / 4;
    step = std::max(step, 1);
    const int room = std::min(area.width() - size.width(), area.height() - size.height());
    const int places = std::max(room / step, 0) + 1;
    const int offset = (index % places) * step;
    return QRect(area.topLeft() + QPoint(offset, offset), size);
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
