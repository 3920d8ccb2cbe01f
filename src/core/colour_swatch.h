#pragma once
// The colour swatches of the wizards and the colour settings dialogs.
#include <QLabel>

#include "platform/colour.h"

struct AppState;

// Shows a colour in one role of a widget's palette: how the samples beside the swatches show
// what the swatches hold.
void paintRole(QWidget* widget, QPalette::ColorRole role, Rgb colour);

// A patch of colour (with an optional caption on it); a click, or Space once it has the keyboard
// focus, asks for a new colour.
class ColourSwatch : public QLabel {
    Q_OBJECT
public:
    ColourSwatch(AppState& app, Rgb colour, const QString& caption, QWidget* parent);
    Rgb colour() const { return colour_; }
    void setColour(Rgb colour);
    // What a click does: the colour dialog titled "Select color", with the palettes put away
    // meanwhile; cancelling keeps the colour.
    void chooseColour();

signals:
    void colourChanged(Rgb colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& app_;
    Rgb colour_;
};
