#pragma once
// frmSplash: the small window shown while start-up loads the settings and keyword tables.
#include <QWidget>

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

    // Shows the window with the busy cursor and lets it paint before the work starts.
    void beginLoading();
    // Restores the cursor.
    void endLoading();
    bool isLoading() const { return loading_; }

private:
    bool loading_ = false;
};
