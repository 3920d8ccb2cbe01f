#pragma once
// mdiform1: the main window, a multiple-document frame holding every editor window.
#include <QMainWindow>

#include "core/app_state.h"

class QMdiArea;

class mdiform1 : public QMainWindow {
    Q_OBJECT
public:
    explicit mdiform1(AppState& app, QWidget* parent = nullptr);
    ~mdiform1() override;

    QMdiArea* mdiArea() const { return mdi_; }

private:
    AppState& app_;
    QMdiArea* mdi_;
};
