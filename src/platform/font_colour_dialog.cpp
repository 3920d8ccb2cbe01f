#include "platform/font_colour_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFormLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "platform/topmost_dialog.h"

namespace {
struct NamedColour {
    const char* name;
    Rgb colour;
};
// The sixteen colours a font dialog's colour list offers.
const NamedColour namedColours[] = {
    {"Black", makeRgb(0, 0, 0)},         {"Maroon", makeRgb(128, 0, 0)},
    {"Green", makeRgb(0, 128, 0)},       {"Olive", makeRgb(128, 128, 0)},
    {"Navy", makeRgb(0, 0, 128)},        {"Purple", makeRgb(128, 0, 128)},
    {"Teal", makeRgb(0, 128, 128)},      {"Gray", makeRgb(128, 128, 128)},
    {"Silver", makeRgb(192, 192, 192)},  {"Red", makeRgb(255, 0, 0)},
    {"Lime", makeRgb(0, 255, 0)},        {"Yellow", makeRgb(255, 255, 0)},
    {"Blue", makeRgb(0, 0, 255)},        {"Fuchsia", makeRgb(255, 0, 255)},
    {"Aqua", makeRgb(0, 255, 255)},      {"White", makeRgb(255, 255, 255)},
};

// The face's own name for the wanted weight and slant ("Book", "Bold Italic", ...): without it
// the font dialog selects the first style it lists, which may be a condensed italic one.
QString matchingStyle(const QString& family, bool bold, bool italic) {
    QString best;
    for (const QString& style : QFontDatabase::styles(family)) {
        if (QFontDatabase::bold(family, style) != bold ||
            QFontDatabase::italic(family, style) != italic)
            continue;
        if (best.isEmpty() || style.size() < best.size()) best = style;
    }
    return best;
}

QIcon swatch(Rgb colour) {
    QPixmap pixmap(16, 12);
    pixmap.fill(toQColor(colour));
    QPainter(&pixmap).drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}
}  // namespace

std::optional<FontChoice> runFontColourDialog(QWidget* parent, const QString& title,
                                              const FontChoice& initial) {
    QFont start(initial.name.trimmed(), initial.size);
    start.setBold(initial.bold);
    start.setItalic(initial.italic);
    start.setUnderline(initial.underline);
    start.setStrikeOut(initial.strikeThru);
    if (const QString style = matchingStyle(start.family(), initial.bold, initial.italic);
        !style.isEmpty())
        start.setStyleName(style);

    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* fonts = new QFontDialog(start, &dialog);
    fonts->setOptions(QFontDialog::NoButtons);
    fonts->setWindowFlags(Qt::Widget);
    // Enter and Escape inside the font part answer the whole dialog, not only that part.
    QObject::connect(fonts, &QDialog::finished, &dialog, &QDialog::done);
    auto* colours = new QComboBox(&dialog);
    colours->setObjectName(QStringLiteral("colour"));
    for (const NamedColour& row : namedColours)
        colours->addItem(swatch(row.colour), QString::fromLatin1(row.name), row.colour);
    int current = colours->findData(initial.colour);
    if (current < 0) {
        colours->addItem(swatch(initial.colour), QStringLiteral("Custom"), initial.colour);
        current = colours->count() - 1;
    }
    colours->setCurrentIndex(current);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* colourRow = new QFormLayout;
    colourRow->addRow(QStringLiteral("&Colour:"), colours);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    if (runAboveTopmost(dialog) != QDialog::Accepted) return std::nullopt;

    const QFont font = fonts->currentFont();
    FontChoice choice;
    choice.name = font.family();
    choice.size = qRound(font.pointSizeF());
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeThru = font.strikeOut();
    choice.colour = Rgb(colours->currentData().toInt());
    return choice;
}
