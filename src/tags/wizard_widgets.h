#pragma once
// Pieces the page, table and list wizards share.
#include <QLabel>
#include <QLineEdit>

#include "platform/colour.h"
#include "core/colour_swatch.h"

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
