#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QSettings>

#include "platform/font_colour_dialog.h"

namespace {
struct ButtonSet {
    MsgButtons buttons;
    QMessageBox::StandardButtons standard;
    QMessageBox::StandardButton escape;
};

const ButtonSet buttonSets[] = {
    {MsgButtons::Ok, QMessageBox::Ok, QMessageBox::Ok},
    {MsgButtons::OkCancel, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel},
    {MsgButtons::YesNo, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
    {MsgButtons::YesNoCancel, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
     QMessageBox::Cancel},
};

QMessageBox::Icon qtIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

MsgAnswer answerOf(int clicked) {
    switch (clicked) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: return MsgAnswer::Cancel;
    }
}

// Each file dialog, known by its title, reopens in the folder the user last chose in it.
QString folderKey(const QString& title) {
    return QStringLiteral("Dialogs/") + QString(title).replace(QLatin1Char('/'), '_') +
           QStringLiteral("/folder");
}
}  // namespace

QWidget* QtDialogs::owner() const {
    // A question asked from a modal dialog belongs to that dialog: it stacks above it and is
    // not blocked by it (the main window may even be disabled meanwhile).
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

MsgAnswer QtDialogs::messageBox(const QString& text, const QString& title, MsgButtons buttons,
                                MsgIcon icon) {
    QMessageBox box(qtIcon(icon), title, text, QMessageBox::NoButton, owner());
    // Above the program's topmost dialogs and palettes, which would otherwise hide the answer.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    for (const ButtonSet& set : buttonSets) {
        if (set.buttons != buttons) continue;
        box.setStandardButtons(set.standard);
        box.setEscapeButton(set.escape);
    }
    return answerOf(box.exec());
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

std::optional<QString> QtDialogs::runFileDialog(const FileDialogRequest& request, bool saving) {
    QFileDialog dialog(owner(), request.title);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filter = qtFilterFromProgramFilter(request.filter);
    if (!filter.isEmpty()) dialog.setNameFilters(filter.split(QStringLiteral(";;")));
    QString suffix = request.defaultExt;
    suffix.remove(QLatin1Char('*')).remove(QLatin1Char('.'));
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);

    QSettings settings;
    const QFileInfo given(request.fileName);
    const QString remembered = settings.value(folderKey(request.title)).toString();
    // A name that carries its own folder wins over the remembered one.
    if (given.path() != QLatin1String(".") && given.dir().exists())
        dialog.setDirectory(given.absolutePath());
    else if (!remembered.isEmpty())
        dialog.setDirectory(remembered);
    if (!request.fileName.isEmpty()) dialog.selectFile(given.fileName());

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    settings.setValue(folderKey(request.title), QFileInfo(chosen).absolutePath());
    return chosen;
}

std::optional<Rgb> QtDialogs::chooseColour(const QString& title, Rgb initial) {
    const QColor colour = QColorDialog::getColor(toQColor(initial), owner(), title);
    if (!colour.isValid()) return std::nullopt;
    return fromQColor(colour);
}

std::optional<FontChoice> QtDialogs::chooseFont(const QString& title, const FontChoice& initial) {
    return runFontColourDialog(owner(), title, initial);
}

bool QtDialogs::choosePrinter(QPrinter& printer, const QString& title) {
    QPrintDialog dialog(&printer, owner());
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogs::pageSetup(QPrinter& printer, const QString& title) {
    QPageSetupDialog dialog(&printer, owner());
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}
