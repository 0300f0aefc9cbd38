#include "desktop/record_list/work_progress.h"

namespace {

const QString kTitle = QStringLiteral("童趣星");
const QString kCancel = QStringLiteral("取消");
constexpr int kShowAfterMilliseconds = 500;
constexpr int kSteps = 1000;

}  // namespace

bool WorkProgress::advance(qint64 done, qint64 total) {
    if (!dialog_) {
        // The half second is counted from here: the work has just begun.
        dialog_ = std::make_unique<QProgressDialog>(label_, kCancel, 0, kSteps, &parent_);
        dialog_->setWindowTitle(kTitle);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(kShowAfterMilliseconds);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        dialog_->setValue(0);
    }
    const int step = total > 0 ? static_cast<int>(done * kSteps / total) : kSteps;
    if (step != dialog_->value()) dialog_->setValue(step);
    return !dialog_->wasCanceled();
}
