#include "platform/font_colour_dialog.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

std::optional<FontChoice> chooseFontAndColour(QWidget* owner, const QString& title,
                                              const FontChoice& initial) {
    QDialog dialog(owner);
    dialog.setWindowTitle(title);

    auto* fonts = new QFontDialog(&dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    QFont start(initial.name.trimmed(), initial.size);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    start.setUnderline(initial.underline);
    start.setStrikeOut(initial.strikeThru);
    fonts->setCurrentFont(start);

    Rgb colour = initial.colour;
    auto* colourButton = new QPushButton(QStringLiteral("Colo&r..."), &dialog);
    colourButton->setObjectName(QStringLiteral("colour"));
    auto showColour = [&] {
        QPixmap sample(32, 14);
        sample.fill(toQColor(colour));
        colourButton->setIcon(sample);
    };
    showColour();
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
        const QColor picked = QColorDialog::getColor(toQColor(colour), &dialog, title);
        if (!picked.isValid()) return;
        colour = fromQColor(picked);
        showColour();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QStringLiteral("Color:"), &dialog));
    colourRow->addWidget(colourButton);
    colourRow->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QFont font = fonts->currentFont();
    FontChoice choice;
    choice.name = font.family();
    choice.size = qRound(font.pointSizeF());
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeThru = font.strikeOut();
    choice.colour = colour;
    return choice;
}
