#pragma once
// A progress dialog in Chinese for work that may take a while, such as saving or printing a
// long record list: it shows itself only once the work has taken half a second, and its
// "取消" button stops the work.

#include <QProgressDialog>
#include <QString>
#include <memory>

class WorkProgress {
  public:
    // A dialog over `parent` with `label`, made when the first step is reported.
    WorkProgress(QWidget& parent, const QString& label) : parent_(parent), label_(label) {}

    // Says that `done` of `total` steps are finished; false once the person has cancelled.
    bool advance(qint64 done, qint64 total);
    // Closes the dialog; the work is over.
    void finish() { dialog_.reset(); }

  private:
    QWidget& parent_;
    QString label_;
    std::unique_ptr<QProgressDialog> dialog_;
};
