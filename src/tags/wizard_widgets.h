#pragma once
// Pieces the page, table and list wizards share.
#include <QLabel>
#include <QLineEdit>

#include "core/colour.h"

struct AppState;
class QHBoxLayout;
class QPushButton;
class QWidget;

// A text box that takes only the digits 0 to 9 (and the editing keys).
QLineEdit* makeDigitField(const QString& text, QWidget* parent);

// A wizard window: stays on top, deleted when closed.
void makeWizardWindow(QWidget* wizard, const QString& title);

// The OK and "&Cancel" buttons at the bottom right of a wizard; Cancel closes it.
QHBoxLayout* makeOkCancelRow(QWidget* wizard, QPushButton*& ok, QPushButton*& cancel);

// The number in a digit field; 0 when it is empty.
int fieldNumber(const QLineEdit* field);

// A patch of colour (with an optional caption on it); a click asks for a new colour.
class ColourSwatch : public QLabel {
    Q_OBJECT
public:
    ColourSwatch(AppState& app, Rgb colour, const QString& caption, QWidget* parent);
    Rgb colour() const { return colour_; }
    void setColour(Rgb colour);
    // What a click does: the colour dialog titled "Select color"; cancelling keeps the colour.
    void chooseColour();

signals:
    void colourChanged(Rgb colour);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    AppState& app_;
    Rgb colour_;
};
