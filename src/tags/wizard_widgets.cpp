#include "tags/wizard_widgets.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "core/app_state.h"
#include "core/digit_field.h"
#include "platform/dialogs.h"

QLineEdit* makeDigitField(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    acceptDigitsOnly(field);
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
