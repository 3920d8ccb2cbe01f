#include "side/tip_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextStream>
#include <QVBoxLayout>

#include "core/frame.h"
#include "platform/user_settings.h"

namespace {
const QString SettingKey = QStringLiteral("Options/Show Tips at Startup");
const QString CrLf = QStringLiteral("\r\n");
}  // namespace

const QString frmTip::TipsFileName = QStringLiteral("TIPOFDAY.TXT");

bool frmTip::showTipsAtStartup() {
    return UserSettings::openForExecutable()->value(SettingKey, QStringLiteral("1")).toInt() != 0;
}

void frmTip::setShowTipsAtStartup(AppState& app, bool on) {
    UserSettings::openForExecutable()->setValue(SettingKey,
                                                on ? QStringLiteral("1") : QStringLiteral("0"));
    if (app.frame) app.frame->setCommandChecked(QStringLiteral("tipofday"), on);
}

frmTip::frmTip(AppState& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), app_(app) {
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information")).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    auto* heading = new QLabel(QStringLiteral("<b>Did you know...</b>"), this);
    tipText_ = new QLabel(this);
    tipText_->setObjectName(QStringLiteral("lblTipText"));
    tipText_->setTextFormat(Qt::PlainText);
    tipText_->setWordWrap(true);
    tipText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tipText_->setMinimumSize(320, 110);
    showAtStartup_ = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    showAtStartup_->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));
    next_ = new QPushButton(QStringLiteral("&Next Tip"), this);
    next_->setObjectName(QStringLiteral("cmdNextTip"));
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);

    auto* tipBox = new QVBoxLayout;
    tipBox->addWidget(heading);
    tipBox->addWidget(tipText_, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(tipBox, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(showAtStartup_);
    bottom->addStretch();
    bottom->addWidget(next_);
    bottom->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    showAtStartup_->setChecked(true);
    connect(showAtStartup_, &QCheckBox::clicked, this, &frmTip::chkLoadTipsAtStartup_Click);
    connect(next_, &QPushButton::clicked, this, &frmTip::DoNextTip);
    connect(ok_, &QPushButton::clicked, this, &QDialog::close);

    if (!LoadTips(QDir(app_.programFolder).filePath(TipsFileName)))
        tipText_->setText(QStringLiteral("That the ") + TipsFileName +
                          QStringLiteral(" file was not found? ") + CrLf + CrLf +
                          QStringLiteral("Create a text file named ") + TipsFileName +
                          QStringLiteral(" using NotePad with 1 tip per line. ") +
                          QStringLiteral("Then place it in the same directory as the application. "));
}

bool frmTip::LoadTips(const QString& fileName) {
    if (fileName.isEmpty()) return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
    QTextStream in(&file);
    while (!in.atEnd()) tips.append(in.readLine());
    file.close();
    DoNextTip();
    return true;
}

void frmTip::DoNextTip() {
    if (++currentTip > tips.size()) currentTip = 1;
    if (!tips.isEmpty()) tipText_->setText(tips[currentTip - 1]);
}

void frmTip::chkLoadTipsAtStartup_Click() {
    setShowTipsAtStartup(app_, showAtStartup_->isChecked());
}

frmTip* showTipOfTheDay(AppState& app, QWidget* parent) {
    if (!frmTip::showTipsAtStartup()) return nullptr;
    auto* tip = new frmTip(app, parent);
    tip->show();
    return tip;
}
