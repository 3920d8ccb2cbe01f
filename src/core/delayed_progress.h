#pragma once
// The progress of a long pass over a large text (Replace All, reading a document): nothing for
// the first half second, so that quick work shows no window, then a progress dialog, with a
// Cancel button when the work can stop.
#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class DelayedProgress {
public:
    static inline int showAfterMs = 500;  // tests set it to 0

    DelayedProgress(const QString& label, qint64 total, QWidget* parent, bool cancellable);
    ~DelayedProgress();

    // Tells how far the work has come; false once the user has cancelled. Cheap enough to be
    // told of every step: it looks at the clock, and only now and then at the window.
    bool advance(qint64 done);

private:
    QString label_;
    qint64 total_;
    QWidget* parent_;
    bool cancellable_;
    bool cancelled_ = false;
    QElapsedTimer clock_;
    qint64 nextLook_ = 0;
    std::unique_ptr<QProgressDialog> dialog_;
};
