#include "settings/colour_settings_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "core/app_state.h"
#include "core/colour_swatch.h"
#include "core/editor_window.h"
#include "core/frame.h"
#include "platform/dialogs.h"
#include "platform/help_window.h"
#include "settings/settings_dialogs.h"

namespace {
EditorWindow* currentHtml(const AppState& app) { return app.currentHtmlWindow.data(); }

EditorWindow* activeScriptWindow(const AppState& app) {
    switch (app.activeWindowKind) {
    case KindVbscript:
    case KindJscript:
    case KindJava: return app.activeWindow();
    default: return nullptr;
    }
}
}  // namespace

const ColourDialogKind cwindowKind = {
    "cwindow",
    "Code color setting .",
    SettingsWriter::cwindow,
    {
        {"Lnormal", "Label6", "Normal text", "Text1", "Normal text", &SettingsRecord::htmlTextColor},
        {"Llhtml", "Label7", "HTML Tag", "txttag", "<HTML>", &SettingsRecord::htmlTagColor},
        {"Llpara", "Label8", "Parameter", "Txtpara", "\"Parameter\"",
         &SettingsRecord::htmlParamColor},
        {"lcom", "Label10", "Comment", "Text2", "Comment", &SettingsRecord::htmlCommentColor},
        {"lspel", "Label9", "Misspelled ", "txtspel", "misspelled ",
         &SettingsRecord::htmlMisspelledColor},
        {"wbackcolor", "Label4", "background", "txtbk", "", &SettingsRecord::htmlBackColor},
    },
    false,
    false,
    currentHtml,
};

const ColourDialogKind scriptcolorKind = {
    "scriptcolor",
    "Script color setting",
    SettingsWriter::scriptcolor,
    {
        {"Lnormal", "Label6", "Normal text", "Text1", "Normal text",
         &SettingsRecord::scriptTextColor},
        {"Llhtml", "Label7", "Keyword ", "txttag", "Reserved word",
         &SettingsRecord::scriptKeywordColor},
        {"Llpara", "Label8", "Parameter", "Txtpara", "\"Parameter\"",
         &SettingsRecord::scriptParamColor},
        {"lspel", "Label9", "Predefined", "txtspel", "Class function or object",
         &SettingsRecord::scriptObjectColor},
        {"lcom", "Label10", "Comment", "Text2", "Comment", &SettingsRecord::scriptCommentColor},
        {"wbackcolor", "Label4", "background", "txtbk", "", &SettingsRecord::scriptBackColor},
    },
    true,
    true,
    activeScriptWindow,
};

ColourSettingsDialog::ColourSettingsDialog(AppState& app, const ColourDialogKind& kind,
                                           QWidget* parent)
    : QDialog(parent), app_(app), frameDisabled_(app.frameWidget()), kind_(kind) {
    setObjectName(QString::fromLatin1(kind.name));
    setWindowTitle(QString::fromLatin1(kind.caption));
    makeSettingsDialog(*this);

    auto* swatchGrid = new QGridLayout;
    auto* frame = new QGroupBox(QStringLiteral("Color Setting "), this);
    frame->setObjectName(QStringLiteral("Frame2"));
    auto* samples = new QVBoxLayout(frame);
    const SettingsRecord current = settingsRecordFromAppState(app);
    for (int row = 0; row < RowCount; ++row) {
        const ColourRow& r = kind.rows[row];
        auto* caption = new QLabel(QString::fromLatin1(r.caption), this);
        caption->setObjectName(QString::fromLatin1(r.label));
        swatches_[row] = new ColourSwatch(app, current.*r.setting, QString(), this);
        swatches_[row]->setObjectName(QString::fromLatin1(r.swatch));
        swatches_[row]->setToolTip(QStringLiteral("Click to choose the colour"));
        caption->setBuddy(swatches_[row]);
        swatchGrid->addWidget(caption, row, 0);
        swatchGrid->addWidget(swatches_[row], row, 1);

        samples_[row] = new QLineEdit(QString::fromLatin1(r.sampleText), frame);
        samples_[row]->setObjectName(QString::fromLatin1(r.sample));
        samples_[row]->setReadOnly(true);
        samples_[row]->setFocusPolicy(Qt::NoFocus);
        samples_[row]->setMinimumWidth(
            samples_[row]->fontMetrics().horizontalAdvance(QStringLiteral("Class function or object")) + 24);
        samples->addWidget(samples_[row]);
    }
    // At load cwindow paints only txtbk with the background; a picked background paints all.
    for (int row = 0; row < BackgroundRow; ++row) showColour(row, swatches_[row]->colour());
    paintSampleBacks(swatches_[BackgroundRow]->colour(), kind.samplesOnBackground);
    for (int row = 0; row < RowCount; ++row)
        connect(swatches_[row], &ColourSwatch::colourChanged, this,
                [this, row](Rgb colour) { showColour(row, colour); });

    ok_ = new QPushButton(QStringLiteral("&OK"), this);
    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel_->setObjectName(QStringLiteral("CancelButton"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("Command1"));
    connect(ok_, &QPushButton::clicked, this, &ColourSettingsDialog::OKButton_Click);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &ColourSettingsDialog::Command1_Click);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addWidget(help);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(swatchGrid);
    layout->addWidget(frame, 1);
    layout->addLayout(buttons);
}

ColourSettingsDialog* ColourSettingsDialog::open(AppState& app, const ColourDialogKind& kind) {
    auto* dialog = new ColourSettingsDialog(app, kind);
    showSettingsDialog(*dialog, app);
    return dialog;
}

void ColourSettingsDialog::done(int result) {
    frameDisabled_.release();
    QDialog::done(result);
}

void ColourSettingsDialog::paintSampleBacks(Rgb colour, bool everySample) {
    for (int row = 0; row < RowCount; ++row)
        if (everySample || row == BackgroundRow)
            paintRole(samples_[row], QPalette::Base, colour);
}

// A sample box shows its setting as text colour; the background is the back of every box.
void ColourSettingsDialog::showColour(int row, Rgb colour) {
    if (row == BackgroundRow)
        paintSampleBacks(colour, true);
    else
        paintRole(samples_[row], QPalette::Text, colour);
}

void ColourSettingsDialog::OKButton_Click() {
    SettingsRecord values = settingsRecordFromAppState(app_);
    for (int row = 0; row < RowCount; ++row)
        values.*kind_.rows[row].setting = swatches_[row]->colour();
    if (!saveSettings(app_, kind_.writer, values, QStringLiteral("colours"))) return;
    copySettingsToAppState(values, app_);
    app_.coloursChanged = true;
    app_.bulkEditBusy = false;

    EditorWindow* target = kind_.target(app_);
    if (target && kind_.waitWhileRecolouring) {
        ok_->setText(QStringLiteral("Wait.."));
        cancel_->setEnabled(false);
    }
    accept();
    if (!target) return;
    target->pane().SetBackColor(values.*kind_.rows[BackgroundRow].setting);
    target->recolourAll();
}

void ColourSettingsDialog::Command1_Click() { showHelpContents(help_, this, *app_.dialogs); }
