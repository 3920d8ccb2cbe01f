#pragma once
// The main window takes no input while a wizard or a settings dialog is up. It works again when
// the dialog releases it or, whichever comes first, when the dialog goes away.
#include <QPointer>
#include <QWidget>

class FrameDisabled {
public:
    explicit FrameDisabled(QWidget* frame) : frame_(frame) {
        if (frame_) frame_->setEnabled(false);
    }
    ~FrameDisabled() { release(); }
    void release() {
        if (frame_) frame_->setEnabled(true);
    }
    FrameDisabled(const FrameDisabled&) = delete;
    FrameDisabled& operator=(const FrameDisabled&) = delete;

private:
    QPointer<QWidget> frame_;
};
