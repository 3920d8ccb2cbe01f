#include "core/delayed_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
constexpr int Steps = 1000;
constexpr int LookEveryMs = 50;
}  // namespace

DelayedProgress::DelayedProgress(const QString& label, qint64 total, QWidget* parent,
                                 bool cancellable)
    : label_(label), total_(std::max<qint64>(total, 1)), parent_(parent), cancellable_(cancellable) {
    clock_.start();
}

DelayedProgress::~DelayedProgress() = default;

bool DelayedProgress::advance(qint64 done) {
    const qint64 now = clock_.elapsed();
    if (cancelled_ || now < nextLook_) return !cancelled_;
    nextLook_ = now + LookEveryMs;
    if (!dialog_ && now >= showAfterMs) {
        dialog_ = std::make_unique<QProgressDialog>(
            label_, cancellable_ ? QStringLiteral("Cancel") : QString(), 0, Steps, parent_);
        dialog_->setWindowTitle(QCoreApplication::applicationName());
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->show();
    }
    if (!dialog_) return true;
    dialog_->setValue(int(std::clamp<qint64>(done, 0, total_) * Steps / total_));
    QCoreApplication::processEvents();
    cancelled_ = dialog_->wasCanceled();
    return !cancelled_;
}
