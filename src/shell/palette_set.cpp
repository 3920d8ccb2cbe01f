#include "shell/palette_set.h"

#include <QEvent>
#include <QScreen>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/frame.h"
#include "shell/window_layout.h"

namespace {
// Room for the title bar and borders the window manager adds around a palette.
constexpr QMargins DecorationAllowance(4, 28, 4, 4);
}  // namespace

// The icons live in a static library, whose resources must be registered by hand.
static void registerPaletteIcons() { Q_INIT_RESOURCE(palette_icons); }

PaletteSet::PaletteSet(AppState& app, QWidget* frameWidget)
    : QObject(frameWidget), app_(app), frame_(frameWidget) {
    registerPaletteIcons();
    frame_->installEventFilter(this);
}

PaletteSet::~PaletteSet() = default;

void PaletteSet::registerCommands(CommandRegistry& commands) {
    for (const PaletteRow& row : paletteTable())
        commands.add(QLatin1String(row.menuItem), [this, &row] { toggle(row); });
}

bool PaletteSet::isChecked(const PaletteRow& row) const {
    return app_.frame && app_.frame->isCommandChecked(QLatin1String(row.menuItem));
}

void PaletteSet::toggle(const PaletteRow& row) {
    const QString item = QLatin1String(row.menuItem);
    const bool checked = !isChecked(row);
    if (app_.frame) app_.frame->setCommandChecked(item, checked);
    QPointer<Palette>& palette = open_[item];
    if (!checked) {
        if (palette) palette->close();
        return;
    }
    if (!palette) {
        palette = new Palette(app_, row, frame_);
        // Beside the frame, one under the other, so that no palette covers the text or another,
        // but always where the screen shows the whole palette.
        const int slot = int(&row - paletteTable().data());
        const QScreen* screen = frame_->screen();
        const QSize outer = palette->size().grownBy(DecorationAllowance);
        palette->move(palettePlace(frame_->frameGeometry(), outer,
                                   screen ? screen->availableGeometry() : QRect(), slot));
    }
    palette->show();
}

Palette* PaletteSet::palette(const QString& menuItem) const {
    const auto it = open_.find(menuItem);
    return it == open_.end() ? nullptr : it->second.data();
}

void PaletteSet::hidePalettes() {
    for (const PaletteRow& row : paletteTable())
        if (Palette* open = palette(QLatin1String(row.menuItem)); open && isChecked(row))
            open->hide();
}

void PaletteSet::showPalettes() {
    for (const PaletteRow& row : paletteTable())
        if (Palette* open = palette(QLatin1String(row.menuItem)); open && isChecked(row)) {
            // The window manager may have minimised the palette along with the frame; mapped
            // minimised, it would minimise the frame again (a transient takes its parent down).
            open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
            open->show();
        }
}

bool PaletteSet::eventFilter(QObject* watched, QEvent* event) {
    if (watched == frame_ && event->type() == QEvent::WindowStateChange) {
        if (frame_->isMinimized())
            hidePalettes();
        else
            showPalettes();
    }
    return QObject::eventFilter(watched, event);
}
