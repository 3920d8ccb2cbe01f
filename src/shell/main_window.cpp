#include "shell/main_window.h"

#include <QMdiArea>

mdiform1::mdiform1(AppState& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setWindowTitle(QStringLiteral("Tessavel Editor 2005"));
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
}

mdiform1::~mdiform1() = default;
