#include "settings/autosave_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "core/app_state.h"
#include "core/editor_window.h"
#include "platform/dialogs.h"
#include "settings/settings_dialogs.h"

namespace {
struct PeriodRange {
    int first;
    int last;
};
// 21 to 30 minutes are not offered.
const PeriodRange periodRanges[] = {{1, 20}, {31, 60}};

const QString NoPeriodSpoken = QStringLiteral("Please set time for autosave ");
const QString NoPeriodShown = QStringLiteral(" Please set time for autosave ");
}  // namespace

QStringList frmautosave::periodItems() {
    QStringList items;
    for (const PeriodRange& range : periodRanges)
        for (int minutes = range.first; minutes <= range.last; ++minutes)
            items << QString::number(minutes);
    return items;
}

frmautosave::frmautosave(AppState& app, QWidget* parent)
    : QDialog(parent), app_(app), target_(app.activeWindow()) {
    setObjectName(QStringLiteral("frmautosave"));
    setWindowTitle(QStringLiteral("Autosave files"));
    makeSettingsDialog(*this);

    auto* heading = new QLabel(QStringLiteral("Save automatically"), this);
    heading->setObjectName(QStringLiteral("Label3"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    check_ = new QCheckBox(QStringLiteral("Save file in background "), this);
    check_->setObjectName(QStringLiteral("Check1"));
    auto* after = new QLabel(QStringLiteral("Save file after:"), this);
    after->setObjectName(QStringLiteral("Label1"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("List1"));
    list_->addItems(periodItems());
    list_->setFixedWidth(list_->sizeHintForColumn(0) * 3 + 24);
    list_->setEnabled(false);
    after->setBuddy(list_);
    auto* minutes = new QLabel(QStringLiteral("Minutes"), this);
    minutes->setObjectName(QStringLiteral("Label2"));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKButton"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, &frmautosave::OKButton_Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(check_, &QCheckBox::clicked, this, &frmautosave::Check1_Click);

    auto* layout = new QGridLayout(this);
    layout->addWidget(heading, 0, 0, 1, 3);
    layout->addWidget(check_, 1, 0, 1, 3);
    layout->addWidget(after, 2, 0, Qt::AlignTop);
    layout->addWidget(list_, 2, 1);
    layout->addWidget(minutes, 2, 2, Qt::AlignTop);
    layout->addWidget(buttons, 3, 0, 1, 3);

    // The list does not show the running period: only that autosave is on.
    if (target_ && target_->autosaveRunning()) {
        check_->setChecked(true);
        list_->setEnabled(true);
    }
}

frmautosave* frmautosave::open(AppState& app) {
    auto* dialog = new frmautosave(app);
    showSettingsDialog(*dialog, app);
    return dialog;
}

void frmautosave::Check1_Click() { list_->setEnabled(check_->isChecked()); }

void frmautosave::OKButton_Click() {
    if (check_->isChecked()) {
        QListWidgetItem* period = list_->currentItem();
        if (!period || !period->isSelected()) {
            speakIfOn(app_, NoPeriodSpoken);
            app_.dialogs->messageBox(NoPeriodShown, QStringLiteral("Autosave failed"), MsgButtons::Ok,
                                     MsgIcon::None);
            return;
        }
        if (target_) target_->startAutosave(period->text().toInt());
    } else if (target_) {
        target_->stopAutosave();
    }
    accept();
}
