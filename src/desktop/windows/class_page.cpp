#include "desktop/windows/class_page.h"

#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "desktop/printing/class_report_sheet.h"
#include "desktop/printing/printing_module_entry.h"
#include "desktop/record_list/record_list_menu.h"
#include "desktop/services/class_server_calls.h"
#include "desktop/windows/class_report_table.h"
#include "history/class_server/kept_teacher_line.h"

namespace {

constexpr char kReading[] = "正在读取班级…";
constexpr char kLoggedOut[] = "已退出教师登录。";

}  // namespace

ClassPage::ClassPage(std::string teacherLinePath, LearnerWindowRequest openLearner, QWidget* parent)
    : QWidget(parent),
      teacherLinePath_(std::move(teacherLinePath)),
      line_(keptTeacherLine(teacherLinePath_).value_or(std::string())),
      openLearner_(std::move(openLearner)),
      classLabel_(new QLabel(this)),
      classChooser_(new QComboBox(this)),
      status_(new QLabel(this)),
      table_(classReportTable(this)),
      printButton_(new QPushButton(QStringLiteral("打印…"), this)),
      openButton_(new QPushButton(QStringLiteral("查看学习记录"), this)),
      logOutButton_(new QPushButton(QStringLiteral("退出教师登录"), this)) {
    setObjectName(QStringLiteral("classPage"));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("班级："), this));
    top->addWidget(classLabel_);
    top->addWidget(classChooser_);
    top->addStretch();
    top->addWidget(logOutButton_);
    layout->addLayout(top);
    status_->setObjectName(QStringLiteral("classPageStatus"));
    status_->setWordWrap(true);
    layout->addWidget(status_);
    layout->addWidget(table_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(printButton_);
    bottom->addWidget(openButton_);
    layout->addLayout(bottom);
    classChooser_->hide();
    openButton_->setEnabled(false);
    printButton_->setEnabled(false);
    connect(printButton_, &QPushButton::clicked, this, [this] { printTable(); });
    connect(classChooser_, &QComboBox::currentTextChanged, this,
            [this](const QString& name) { load(name.toStdString()); });
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { openButton_->setEnabled(!table_->selectedItems().isEmpty()); });
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { openChosenLearner(); });
    connect(openButton_, &QPushButton::clicked, this, [this] { openChosenLearner(); });
    connect(logOutButton_, &QPushButton::clicked, this, [this] { logOut(); });
    load({});
}

void ClassPage::load(const std::string& className) {
    if (line_.empty()) return;
    status_->setText(QString::fromUtf8(kReading));
    status_->show();
    readClassTableOffThread(this, line_, className,
                            [this](const ClassTable& table) { showTable(table); });
}

void ClassPage::showTable(const ClassTable& table) {
    if (line_.empty()) return;
    if (!table.read) {
        status_->setText(QString::fromStdString(table.message));
        return;
    }
    status_->hide();
    className_ = table.className;
    classLabel_->setText(QString::fromStdString(table.className));
    classLabel_->setVisible(table.classes.size() < 2);
    classChooser_->setVisible(table.classes.size() > 1);
    {
        const QSignalBlocker quiet(classChooser_);
        classChooser_->clear();
        for (const std::string& name : table.classes) {
            classChooser_->addItem(QString::fromStdString(name));
        }
        classChooser_->setCurrentText(QString::fromStdString(table.className));
    }
    showClassReport(*table_, table);
    shown_ = table;
    openButton_->setEnabled(false);
    printButton_->setEnabled(true);
}

void ClassPage::printTable() {
    const ClassReportSheet sheet{shown_.className, shown_.firstDay, shown_.lastDay, shown_.header,
                                 shown_.rows};
    printThroughModule(*this, classReportLines(sheet), font(), kPrintClassReportWithDialogFunction);
}

void ClassPage::openChosenLearner() {
    const int row = table_->currentRow();
    if (line_.empty() || row < 0 || table_->item(row, 0) == nullptr) return;
    const std::string learner = table_->item(row, 0)->text().toStdString();
    status_->setText(
        QStringLiteral("正在读取“%1”的学习记录…").arg(QString::fromStdString(learner)));
    status_->show();
    readLearnerOffThread(this, line_, className_, learner,
                         [this, className = className_, learner](const LearnerRecords& records) {
                             if (!records.read) {
                                 status_->setText(QString::fromStdString(records.message));
                                 return;
                             }
                             status_->hide();
                             openLearner_(className, learner, records);
                         });
}

void ClassPage::logOut() {
    if (!forgetTeacherLine(teacherLinePath_)) return;
    line_.clear();
    table_->clear();
    table_->setRowCount(0);
    table_->setColumnCount(0);
    for (QWidget* part : {static_cast<QWidget*>(classLabel_), static_cast<QWidget*>(classChooser_),
                          static_cast<QWidget*>(printButton_), static_cast<QWidget*>(openButton_),
                          static_cast<QWidget*>(logOutButton_)}) {
        part->hide();
    }
    status_->setText(QString::fromUtf8(kLoggedOut));
    status_->show();
}
