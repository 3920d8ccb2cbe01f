#include "platform/qt_dialogs.h"

#include <QApplication>
#include <algorithm>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QPrintDialog>
#include <QSettings>
#include <QSpacerItem>

#include "platform/font_colour_dialog.h"
#include "platform/topmost_dialog.h"

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

// A dialog is only as wide as its text; a short text would cut its title down to
// "Repl...esult". This much width keeps the title readable beside the title bar's buttons.
int titleRoom(const QWidget& dialog) {
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()) + 120;
}

void makeRoomForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid) return;
    grid->addItem(new QSpacerItem(titleRoom(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// The request's choices, in a list below the file type: Qt's own dialog has room for them.
QComboBox* addChoices(QFileDialog& dialog, const FileDialogRequest& request) {
    if (request.choices.isEmpty()) return nullptr;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid) return nullptr;
    auto* box = new QComboBox(&dialog);
    box->setObjectName(QStringLiteral("choices"));
    box->addItems(request.choices);
    box->setCurrentIndex(request.choice);
    auto* label = new QLabel(request.choiceLabel, &dialog);
    label->setBuddy(box);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
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
    for (const ButtonSet& set : buttonSets) {
        if (set.buttons != buttons) continue;
        box.setStandardButtons(set.standard);
        box.setEscapeButton(set.escape);
    }
    QAbstractButton* saveAnyway = nullptr;
    if (buttons == MsgButtons::SaveAnywayCancel) {
        saveAnyway = box.addButton(QStringLiteral("Save anyway"), QMessageBox::AcceptRole);
        box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    }
    makeRoomForTitle(box);
    const int clicked = runAboveTopmost(box);
    if (saveAnyway) return box.clickedButton() == saveAnyway ? MsgAnswer::Ok : MsgAnswer::Cancel;
    return answerOf(clicked);
}

std::optional<QString> QtDialogs::inputBox(const QString& prompt, const QString& title,
                                           const QString& defaultText) {
    QInputDialog dialog(owner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(defaultText);
    // The box sizes itself to its prompt and field; a prompt as wide as the title widens it.
    if (auto* label = dialog.findChild<QLabel*>()) label->setMinimumWidth(titleRoom(dialog));
    if (runAboveTopmost(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request);
}

std::optional<QString> QtDialogs::saveFile(FileDialogRequest& request) {
    return runFileDialog(request, &request);
}

QString QtDialogs::startFolder(const FileDialogRequest& request) const {
    const QFileInfo given(request.fileName);
    if (!request.fileName.isEmpty() && given.path() != QLatin1String(".") && given.dir().exists())
        return given.absolutePath();
    const QString remembered = QSettings().value(folderKey(request.title)).toString();
    if (!remembered.isEmpty()) return remembered;
    return QDir::currentPath() == QDir::rootPath() ? QDir::homePath() : QDir::currentPath();
}

std::optional<QString> QtDialogs::runFileDialog(const FileDialogRequest& request,
                                                FileDialogRequest* saving) {
    QFileDialog dialog(owner(), request.title);
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filter = qtFilterFromProgramFilter(request.filter);
    const QStringList types = filter.isEmpty() ? QStringList() : filter.split(QStringLiteral(";;"));
    if (!types.isEmpty()) dialog.setNameFilters(types);
    QString suffix = request.defaultExt;
    suffix.remove(QLatin1Char('*')).remove(QLatin1Char('.'));
    if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
    // A name typed without an extension takes the one of the type picked ("Text files(*.txt)"
    // names a .txt file); a type of any extension keeps the request's.
    const auto followType = [&dialog, suffix](const QString& type) {
        static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)\\)$"));
        const QRegularExpressionMatch match = extension.match(type);
        if (match.hasMatch() || !suffix.isEmpty())
            dialog.setDefaultSuffix(match.hasMatch() ? match.captured(1) : suffix);
    };
    if (saving && request.filterIndex > 0 && request.filterIndex < types.size()) {
        dialog.selectNameFilter(types[request.filterIndex]);
        followType(types[request.filterIndex]);
    }
    if (saving) QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followType);

    dialog.setDirectory(startFolder(request));
    if (!request.fileName.isEmpty()) dialog.selectFile(QFileInfo(request.fileName).fileName());
    QComboBox* choices = addChoices(dialog, request);

    if (runAboveTopmost(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    if (saving) {
        if (choices) saving->choice = choices->currentIndex();
        saving->filterIndex = std::max(0, int(types.indexOf(dialog.selectedNameFilter())));
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    QSettings().setValue(folderKey(request.title), QFileInfo(chosen).absolutePath());
    return chosen;
}

std::optional<Rgb> QtDialogs::chooseColour(const QString& title, Rgb initial) {
    QColorDialog dialog(toQColor(initial), owner());
    dialog.setWindowTitle(title);
    if (runAboveTopmost(dialog) != QDialog::Accepted) return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

std::optional<FontChoice> QtDialogs::chooseFont(const QString& title, const FontChoice& initial) {
    return runFontColourDialog(owner(), title, initial);
}

bool QtDialogs::choosePrinter(QPrinter& printer, const QString& title) {
    QPrintDialog dialog(&printer, owner());
    dialog.setWindowTitle(title);
    return runAboveTopmost(dialog) == QDialog::Accepted;
}

bool QtDialogs::pageSetup(QPrinter& printer, const QString& title) {
    QPageSetupDialog dialog(&printer, owner());
    dialog.setWindowTitle(title);
    return runAboveTopmost(dialog) == QDialog::Accepted;
}
