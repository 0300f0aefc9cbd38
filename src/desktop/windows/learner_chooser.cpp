#include "desktop/windows/learner_chooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr char kNoLearners[] = "还没有保存的学习记录，也就还没有可以选择的学习者。";
constexpr int kLongestShownName = 60;  // characters of a name the list shows

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
    QPushButton* choose = buttons->addButton(QStringLiteral("选择"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { chooseCurrent(); });
    if (learners_.empty()) {
        auto* none = new QLabel(QString::fromUtf8(kNoLearners), this);
        none->setWordWrap(true);
        layout->addWidget(none);
        choose->setEnabled(false);
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
        connect(list_, &QTreeWidget::itemActivated, this, [this] { chooseCurrent(); });
        layout->addWidget(list_);
    }
    layout->addWidget(buttons);
    if (list_ != nullptr) resize(420, 360);
}

// Hands on the highlighted learner's full name and closes.
void LearnerChooser::chooseCurrent() {
    if (list_ == nullptr) return;
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    const std::string name = learners_[static_cast<std::size_t>(row)].name;
    accept();
    chosen_(name);
}
