#include "desktop/windows/class_join_dialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>
#include <system_error>
#include <thread>

#include "desktop/services/trainer_modules.h"
#include "history/class_server/class_sender_module.h"

namespace {

constexpr int kDialogWidth = 560;

}  // namespace

ClassJoinDialog::ClassJoinDialog(std::string historyPath, const QFont& font, QWidget* parent)
    : QDialog(parent),
      historyPath_(std::move(historyPath)),
      line_(new QLineEdit(this)),
      status_(new QLabel(this)),
      joinButton_(new QPushButton(QStringLiteral("加入"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("加入班级"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation =
        new QLabel(QStringLiteral("请把老师给的加入代码整行粘贴到下面。加入后，学习记录会自动上传"
                                  "到班级服务器，老师就能看到全班的练习。"),
                   this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    line_->setPlaceholderText(QStringLiteral("host=… port=… dbname=… user=… password=…"));
    // The line holds the class's password: it is masked as the teacher's line is.
    line_->setEchoMode(QLineEdit::Password);
    layout->addWidget(line_);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(joinButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { join(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(kDialogWidth, sizeHint().height());
}

void ClassJoinDialog::join() {
    const std::string line = line_->text().trimmed().toStdString();
    if (historyPath_.empty()) {
        status_->setText(QStringLiteral("学习记录现在无法保存，所以不能加入班级。"));
        return;
    }
    if (line.empty()) {
        status_->setText(QStringLiteral("请先粘贴老师给的加入代码。"));
        return;
    }
    joinButton_->setEnabled(false);
    status_->setText(QStringLiteral("正在连接班级服务器…"));
    const QPointer<ClassJoinDialog> dialog(this);
    try {
        std::thread([dialog, path = historyPath_, line] {
            const auto joinThroughModule = reinterpret_cast<JoinClassThroughModule>(
                trainerModuleFunction(QStringLiteral("abacus-class-sender"), kJoinClassFunction));
            std::string className;
            std::string message = "没有加入班级：找不到班级服务器的模块，请重新安装童趣星。";
            const bool joined = joinThroughModule != nullptr &&
                                joinThroughModule(path.c_str(), line.c_str(), &className, &message);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [dialog, joined, text = QString::fromStdString(message)] {
                    if (dialog) dialog->answered(joined, text);
                },
                Qt::QueuedConnection);
        }).detach();
    } catch (const std::system_error&) {
        answered(false, QStringLiteral("没有加入班级：现在无法连接，请稍后再试。"));
    }
}

void ClassJoinDialog::answered(bool joined, const QString& message) {
    joinButton_->setEnabled(true);
    status_->setText(message);
    if (!joined) return;
    QMessageBox::information(parentWidget(), QStringLiteral("童趣星"), message);
    accept();
}
