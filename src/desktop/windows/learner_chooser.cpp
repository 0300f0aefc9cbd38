#include "desktop/windows/learner_chooser.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "history/learner_names.h"

namespace {

constexpr char kNoLearners[] = "还没有保存的学习记录。请在下面输入学习者的名字。";
constexpr char kNewNameCaption[] = "新学习者：";
constexpr char kNewNameHint[] = "输入名字后按“选择”";
constexpr int kLongestShownName = 60;  // characters of a name the list shows
constexpr int kLongestTypedName = 200;

}  // namespace

LearnerChooser::LearnerChooser(const std::vector<LearnerSummary>& learners,
                               std::function<void(const std::string&)> chosen, const QFont& font,
                               QWidget* parent)
    : QDialog(parent), learners_(learners), chosen_(std::move(chosen)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("选择学习者"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QDialogButtonBox(this);
    choose_ = buttons->addButton(QStringLiteral("选择"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { chooseCurrent(); });
    if (learners_.empty()) {
        auto* none = new QLabel(QString::fromUtf8(kNoLearners), this);
        none->setWordWrap(true);
        layout->addWidget(none);
    } else {
        list_ = new QTreeWidget(this);
        list_->setHeaderLabels({QStringLiteral("学习者"), QStringLiteral("最近练习")});
        list_->setRootIsDecorated(false);
        for (const LearnerSummary& learner : learners_) {
            QString name = QString::fromStdString(learner.name);
            if (name.size() > kLongestShownName) name = name.left(kLongestShownName) + "…";
            list_->addTopLevelItem(
                new QTreeWidgetItem({name, QString::fromStdString(learner.lastDate)}));
        }
        list_->setCurrentItem(list_->topLevelItem(0));
        list_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
        list_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
        connect(list_, &QTreeWidget::itemActivated, this, [this] { chooseCurrent(); });
        layout->addWidget(list_);
    }
    auto* typed = new QHBoxLayout;
    newName_ = new QLineEdit(this);
    newName_->setObjectName(QStringLiteral("newLearner"));
    newName_->setMaxLength(kLongestTypedName);
    newName_->setPlaceholderText(QString::fromUtf8(kNewNameHint));
    typed->addWidget(new QLabel(QString::fromUtf8(kNewNameCaption), this));
    typed->addWidget(newName_, 1);
    layout->addLayout(typed);
    connect(newName_, &QLineEdit::textChanged, this, [this] { enableChoice(); });
    connect(newName_, &QLineEdit::returnPressed, this, [this] { chooseCurrent(); });
    layout->addWidget(buttons);
    enableChoice();
    resize(420, list_ != nullptr ? 400 : 200);
}

// "选择" can be pressed while a name that shows something is typed or a learner of the list is
// highlighted.
void LearnerChooser::enableChoice() {
    choose_->setEnabled(!hasNoVisibleCharacter(newName_->text().toStdString()) ||
                        (list_ != nullptr && list_->currentItem() != nullptr));
}

// Hands on the typed name, or else the highlighted learner's full name, and closes.
void LearnerChooser::chooseCurrent() {
    std::string name = newName_->text().trimmed().toStdString();
    if (hasNoVisibleCharacter(name)) {
        if (list_ == nullptr) return;
        const int row = list_->indexOfTopLevelItem(list_->currentItem());
        if (row < 0) return;
        name = learners_[static_cast<std::size_t>(row)].name;
    }
    accept();
    chosen_(name);
}
