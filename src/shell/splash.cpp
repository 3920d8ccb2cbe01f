#include "shell/splash.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    auto* label = new QLabel(QStringLiteral("Please wait! Loading ..."), this);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 4);
    font.setBold(true);
    label->setFont(font);
    auto* title = new QLabel(QStringLiteral("Tessavel Editor 2005"), this);
    title->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(40, 30, 40, 30);
    layout->addWidget(title);
    layout->addWidget(label);
    setStyleSheet(QStringLiteral("frmSplash { background: #fdfbf4; border: 1px solid #80806a; }"));
    setAttribute(Qt::WA_StyledBackground);
}

frmSplash::~frmSplash() { endLoading(); }

void frmSplash::beginLoading() {
    loading_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    QApplication::processEvents();
}

void frmSplash::endLoading() {
    if (!loading_) return;
    QApplication::restoreOverrideCursor();
    loading_ = false;
}
