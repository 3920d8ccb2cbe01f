#include "shell/palette.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

#include "core/app_state.h"
#include "core/command_registry.h"
#include "core/frame.h"

namespace {
constexpr int IconSize = 32;

QPixmap iconFor(const char* command, qreal scale) {
    QSvgRenderer renderer(QStringLiteral(":/palette_icons/%1.svg").arg(QLatin1String(command)));
    QPixmap pixmap(QSize(IconSize, IconSize) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, IconSize, IconSize));
    return pixmap;
}
}  // namespace

PictureBox::PictureBox(const PaletteButtonRow& row, QWidget* parent)
    : QLabel(parent), row_(row) {
    setObjectName(QLatin1String(row.button));
    setToolTip(QString::fromLatin1(row.tooltip));
    setPixmap(iconFor(row.command, devicePixelRatioF()));
    setAlignment(Qt::AlignCenter);
    setFixedSize(IconSize + 6, IconSize + 6);
    setMouseTracking(true);
    setBorder(false);
}

bool PictureBox::hasBorder() const { return frameShape() == QFrame::Box; }

void PictureBox::setBorder(bool on) {
    setFrameStyle(on ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    emit hovered(this);
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
}

Palette::Palette(AppState& app, const PaletteRow& row, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      app_(app), row_(row) {
    setObjectName(QLatin1String(row.window));
    setWindowTitle(QString::fromLatin1(row.caption));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setMouseTracking(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (const PaletteButtonRow& button : row.buttons) {
        auto* box = new PictureBox(button, this);
        connect(box, &PictureBox::hovered, this, &Palette::highlight);
        connect(box, &PictureBox::clicked, this, [this](PictureBox* clicked) {
            if (app_.commands) app_.commands->run(QLatin1String(clicked->row().command));
        });
        layout->addWidget(box);
        boxes_.append(box);
    }
    setFixedSize(sizeHint());
}

PictureBox* Palette::box(const QString& button) const {
    for (PictureBox* candidate : boxes_)
        if (candidate->objectName() == button) return candidate;
    return nullptr;
}

void Palette::highlight(PictureBox* box) {
    for (PictureBox* candidate : boxes_) candidate->setBorder(candidate == box);
}

void Palette::mouseMoveEvent(QMouseEvent* event) {
    highlight(nullptr);
    event->accept();
}

void Palette::closeEvent(QCloseEvent* event) {
    if (app_.frame) app_.frame->setCommandChecked(QLatin1String(row_.menuItem), false);
    event->accept();
}
