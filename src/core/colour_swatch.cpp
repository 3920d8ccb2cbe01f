#include "core/colour_swatch.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "core/app_state.h"
#include "core/frame.h"
#include "platform/dialogs.h"

ColourSwatch::ColourSwatch(AppState& app, Rgb colour, const QString& caption, QWidget* parent)
    : QLabel(caption, parent), app_(app), colour_(colour) {
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(48, 22);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setColour(colour);
}

void paintRole(QWidget* widget, QPalette::ColorRole role, Rgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}

void ColourSwatch::setColour(Rgb colour) {
    colour_ = colour;
    QPalette palette = this->palette();
    const QColor shown = toQColor(colour);
    palette.setColor(QPalette::Window, shown);
    // Keep a caption readable on dark and light colours alike.
    const int luminance = (299 * shown.red() + 587 * shown.green() + 114 * shown.blue()) / 1000;
    palette.setColor(QPalette::WindowText, luminance < 128 ? Qt::white : Qt::black);
    setPalette(palette);
    emit colourChanged(colour);
}

void ColourSwatch::chooseColour() {
    std::optional<Rgb> chosen;
    {
        PalettesAway away(app_.frame);
        chosen = app_.dialogs->chooseColour(QStringLiteral("Select color"), colour_);
    }
    if (chosen) setColour(*chosen);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) chooseColour();
}

// Space picks, as on a button; Enter is left to the dialog's default button.
void ColourSwatch::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space)
        chooseColour();
    else
        QLabel::keyPressEvent(event);
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    // A dashed ring in the caption's contrasting colour shows where the keyboard is.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(4, 4, -5, -5));
}
