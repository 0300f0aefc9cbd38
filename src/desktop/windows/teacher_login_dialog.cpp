#include "desktop/windows/teacher_login_dialog.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QVBoxLayout>

#include "desktop/services/class_server_calls.h"
#include "history/class_server/kept_teacher_line.h"

namespace {

constexpr int kDialogWidth = 560;

}  // namespace

TeacherLoginDialog::TeacherLoginDialog(std::string teacherLinePath, const QFont& font,
                                       QWidget* parent)
    : QDialog(parent),
      teacherLinePath_(std::move(teacherLinePath)),
      line_(new QLineEdit(this)),
      status_(new QLabel(this)),
      logInButton_(new QPushButton(QStringLiteral("登录"), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("教师登录"));
    auto* layout = new QVBoxLayout(this);
    auto* explanation = new QLabel(
        QStringLiteral("请把班级服务器给老师的登录代码整行粘贴到下面。登录后，“学习记录”窗口会多出"
                       "“班级”页，可以查看所教班级每位学员的练习。"),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    line_->setPlaceholderText(QStringLiteral("host=… port=… dbname=… user=… password=…"));
    line_->setEchoMode(QLineEdit::Password);
    layout->addWidget(line_);
    status_->setWordWrap(true);
    layout->addWidget(status_);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(logInButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { logIn(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(kDialogWidth, sizeHint().height());
}

void TeacherLoginDialog::logIn() {
    const std::string line = line_->text().trimmed().toStdString();
    if (line.empty()) {
        status_->setText(QStringLiteral("请先粘贴教师登录代码。"));
        return;
    }
    logInButton_->setEnabled(false);
    status_->setText(QStringLiteral("正在连接班级服务器…"));
    checkTeacherOffThread(this, line, [this, line](const TeacherAnswer& answer) {
        answered(line, answer.loggedIn, QString::fromStdString(answer.message));
    });
}

void TeacherLoginDialog::answered(const std::string& line, bool loggedIn, const QString& message) {
    logInButton_->setEnabled(true);
    if (loggedIn && !keepTeacherLine(teacherLinePath_, line)) {
        status_->setText(QStringLiteral("没有登录：教师登录无法保存在这台电脑上，请稍后再试。"));
        return;
    }
    status_->setText(message);
    if (!loggedIn) return;
    QMessageBox::information(parentWidget(), QStringLiteral("童趣星"), message);
    accept();
}
