#include "desktop/windows/class_status_line.h"

#include <QBoxLayout>
#include <QMessageBox>
#include <QTimer>

#include "history/class_server/class_outbox.h"

namespace {

constexpr int kRefreshMilliseconds = 2000;

}  // namespace

ClassStatusLine::ClassStatusLine(std::string historyPath, QWidget* parent)
    : QWidget(parent),
      historyPath_(std::move(historyPath)),
      text_(new QLabel(this)),
      leaveButton_(new QPushButton(QStringLiteral("退出班级"), this)) {
    setObjectName(QStringLiteral("classStatus"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_, 1);
    layout->addWidget(leaveButton_);
    connect(leaveButton_, &QPushButton::clicked, this, [this] { leave(); });
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { refresh(); });
    timer->start(kRefreshMilliseconds);
    refresh();
}

void ClassStatusLine::refresh() {
    ClassOutbox outbox(historyPath_);
    const auto link = outbox.link();
    setVisible(link.has_value());
    if (!link) return;
    const QString name = QString::fromStdString(link->className);
    const QString waiting = QString::number(std::max(outbox.waiting(), 0LL));
    text_->setText(link->joined
                       ? QStringLiteral("已加入：%1；待上传 %2 条").arg(name, waiting)
                       : QStringLiteral("已退出：%1；还有 %2 条记录在上传").arg(name, waiting));
    leaveButton_->setVisible(link->joined);
}

void ClassStatusLine::leave() {
    ClassOutbox outbox(historyPath_);
    const auto link = outbox.link();
    if (!link) return;
    const long long waiting = std::max(outbox.waiting(), 0LL);
    QMessageBox box(QMessageBox::Question, QStringLiteral("童趣星"),
                    QStringLiteral("退出班级“%1”？以后的学习记录只保存在这台电脑上。")
                        .arg(QString::fromStdString(link->className)),
                    QMessageBox::NoButton, this);
    QPushButton* keepSending = nullptr;
    QPushButton* drop = nullptr;
    if (waiting > 0) {
        box.setInformativeText(QStringLiteral("还有 %1 条记录没有上传。").arg(waiting));
        keepSending = box.addButton(QStringLiteral("上传完再退出"), QMessageBox::AcceptRole);
        drop = box.addButton(QStringLiteral("不再上传，退出"), QMessageBox::DestructiveRole);
    } else {
        keepSending = box.addButton(QStringLiteral("退出班级"), QMessageBox::AcceptRole);
    }
    box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == keepSending) {
        if (waiting > 0) {
            outbox.leave();
        } else {
            outbox.dropClass();
        }
    } else if (drop != nullptr && box.clickedButton() == drop) {
        outbox.dropClass();
    }
    refresh();
}

void addClassStatus(QWidget& historyWindow, const std::string& historyPath) {
    auto* layout = qobject_cast<QBoxLayout*>(historyWindow.layout());
    if (layout == nullptr || historyPath.empty()) return;
    layout->insertWidget(0, new ClassStatusLine(historyPath, &historyWindow));
}
