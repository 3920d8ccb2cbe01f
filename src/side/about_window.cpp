#include "side/about_window.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "platform/dialogs.h"

namespace {
const QString UnavailableText = QStringLiteral("System Information Is Unavailable At This Time");
const char* const SystemInformationTools[] = {"gnome-system-monitor", "hardinfo", "kinfocenter"};
}  // namespace

QString systemInformationTool() {
    for (const char* tool : SystemInformationTools) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
        if (!found.isEmpty()) return found;
    }
    return {};
}

frmAbout::frmAbout(AppState& app, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), app_(app) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = QApplication::applicationName();
    setWindowTitle(QStringLiteral("About ") + title);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    title_ = new QLabel(title, this);
    title_->setObjectName(QStringLiteral("lblTitle"));
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    title_->setFont(big);
    version_ = new QLabel(QStringLiteral("Version ") + QStringLiteral(TESSAVEL_VERSION), this);
    version_->setObjectName(QStringLiteral("lblVersion"));
    auto* notice = new QLabel(
        QStringLiteral("A fast and simple editor for web pages and scripts written by hand. "
                       "Share it freely with the people you learn and work with."),
        this);
    notice->setObjectName(QStringLiteral("Label1"));
    notice->setWordWrap(true);
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    sysInfo_ = new QPushButton(QStringLiteral("&System Info..."), this);
    sysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* text = new QVBoxLayout;
    text->addWidget(title_);
    text->addWidget(version_);
    text->addSpacing(8);
    text->addWidget(notice);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(text, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(line);
    layout->addLayout(bottom);
    setMinimumWidth(420);

    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(sysInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::cmdSysInfo_Click() {
    const QString tool = systemInformationTool();
    if (!tool.isEmpty() && QProcess::startDetached(tool, {})) return;
    speakIfOn(app_, UnavailableText);
    app_.dialogs->messageBox(UnavailableText, QApplication::applicationName(), MsgButtons::Ok,
                             MsgIcon::None);
}
