#include "script/wait_window.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

namespace {
struct Parts {
    QPointer<QWidget> window;
    QProgressBar* bar = nullptr;
};

Parts& parts() {
    static Parts p;
    return p;
}
}  // namespace

namespace WaitWindow {
void show() {
    Parts& p = parts();
    if (!p.window) {
        p.window = new QWidget(QApplication::activeWindow(),
                               Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint);
        p.window->setObjectName(QStringLiteral("wait"));
        auto* layout = new QVBoxLayout(p.window);
        layout->addWidget(new QLabel(QStringLiteral("Please wait..."), p.window));
        p.bar = new QProgressBar(p.window);
        p.bar->setRange(0, 100);
        layout->addWidget(p.bar);
        p.window->resize(260, 70);
    }
    p.bar->setValue(0);
    p.window->show();
    p.window->raise();
}

void progress(int percent) {
    Parts& p = parts();
    if (!p.window || p.bar->value() == percent) return;
    p.bar->setValue(percent);
    QApplication::processEvents();
}

void hide() {
    if (parts().window) parts().window->hide();
}

QWidget* window() { return parts().window; }
}  // namespace WaitWindow
