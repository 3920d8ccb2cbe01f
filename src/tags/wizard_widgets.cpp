#include "tags/wizard_widgets.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "core/app_state.h"
#include "platform/dialogs.h"

QLineEdit* makeDigitField(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    field->setMaximumWidth(80);
    return field;
}

void makeWizardWindow(QWidget* wizard, const QString& title) {
    wizard->setWindowTitle(title);
    wizard->setWindowFlag(Qt::WindowStaysOnTopHint);
    wizard->setAttribute(Qt::WA_DeleteOnClose);
}

QHBoxLayout* makeOkCancelRow(QWidget* wizard, QPushButton*& ok, QPushButton*& cancel) {
    ok = new QPushButton(QStringLiteral("OK"), wizard);
    ok->setDefault(true);
    cancel = new QPushButton(QStringLiteral("&Cancel"), wizard);
    QObject::connect(cancel, &QPushButton::clicked, wizard, &QWidget::close);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

int fieldNumber(const QLineEdit* field) { return field->text().toInt(); }

ColourSwatch::ColourSwatch(AppState& app, Rgb colour, const QString& caption, QWidget* parent)
    : QLabel(caption, parent), app_(app), colour_(colour) {
    setAutoFillBackground(true);
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setMinimumSize(48, 22);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
    setColour(colour);
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
    if (const auto chosen = app_.dialogs->chooseColour(QStringLiteral("Select color"), colour_))
        setColour(*chosen);
}

void ColourSwatch::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) chooseColour();
}
