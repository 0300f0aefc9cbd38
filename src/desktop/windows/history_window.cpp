#include "desktop/windows/history_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "desktop/record_list/record_list_menu.h"
#include "desktop/record_list/record_list_output.h"
#include "desktop/windows/runs_table_model.h"
#include "desktop/windows/score_plot.h"
#include "desktop/windows/scrolling_content.h"
#include "history/drill_views.h"
#include "history/history_views.h"

namespace {

constexpr char kWrongQuestionsTab[] = "错题本";
constexpr char kNoRuns[] = "还没有保存的答题记录。";
constexpr char kNoWrongQuestions[] = "没有答错的题目。";
constexpr char kLevelTestsTab[] = "等级考试";
constexpr char kNoLevelTests[] = "还没有等级考试的记录。";
constexpr char kRedoButton[] = "重做错题";
constexpr char kDrillsTab[] = "练习室";
constexpr char kNoDrills[] = "还没有练习室的记录。";
constexpr PlotScale kChainScale{30, 5, "笔数", "最长"};
constexpr PlotScale kShareScale{100, 20, "答对%", "答对"};

// The table of runs, one row each, newest first, its columns as wide as their widest text.
QTableView* runsTable(const std::vector<StoredRun>& runs, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(new RunsTableModel(historyTableRows(runs), table));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    int column = 0;
    for (const char* widest : {"2026-12-08 09:05", "考试/练习", "+-×÷", "位数", "20/100 中止",
                               "得分（练习：首次答对率）"}) {
        table->setColumnWidth(column++, table->fontMetrics().horizontalAdvance(widest) + 16);
    }
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// The first page: the runs and the plot, or a line saying there are none.
QWidget* runsPage(const std::vector<StoredRun>& runs, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    if (runs.empty()) {
        layout->addWidget(new QLabel(QString::fromUtf8(kNoRuns), page));
        layout->addStretch();
        return page;
    }
    layout->addWidget(runsTable(runs, page), 1);
    layout->addWidget(new ScorePlot(scoreLines(runs), page), 1);
    return page;
}

// The second page: the wrong-question book with its copy and print buttons, and its redo when
// it may be redone.
QWidget* wrongQuestionsPage(const std::vector<WrongQuestion>& wrong, const RedoRequest& redo,
                            QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    const std::vector<std::string> lines = wrongQuestionBook(wrong);
    auto* text = new QPlainTextEdit(page);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    std::string shown;
    for (const std::string& line : lines) shown += line + '\n';
    text->setPlainText(lines.empty() ? QString::fromUtf8(kNoWrongQuestions)
                                     : QString::fromStdString(shown));
    layout->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(QStringLiteral("复制全部"), page);
    auto* print = new QPushButton(QStringLiteral("打印…"), page);
    copy->setEnabled(!lines.empty());
    print->setEnabled(!lines.empty());
    if (redo) {
        auto* again = new QPushButton(QString::fromUtf8(kRedoButton), page);
        again->setEnabled(!lines.empty());
        QObject::connect(again, &QPushButton::clicked, page, [page, redo] {
            page->window()->close();
            redo();
        });
        buttons->addWidget(again);
    }
    QObject::connect(copy, &QPushButton::clicked, page, [lines] { copyRecordList(lines); });
    QObject::connect(print, &QPushButton::clicked, page, [page, lines] {
        printRecordListWithDialog(*page->window(), lines, page->font());
    });
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(print);
    layout->addLayout(buttons);
    return page;
}

// The third page: the level tests with their dates and results, newest first, under headers.
QWidget* levelTestsPage(const std::vector<StoredLevelTest>& tests, QWidget* parent) {
    if (tests.empty()) {
        auto* page = new QWidget(parent);
        auto* layout = new QVBoxLayout(page);
        layout->addWidget(new QLabel(QString::fromUtf8(kNoLevelTests), page));
        layout->addStretch();
        return page;
    }
    const std::vector<LevelTestRow> rows = levelTestRows(tests);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 5, parent);
    QStringList headers;
    for (const char* header : kLevelTestHeaders) headers << QString::fromUtf8(header);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
        const LevelTestRow& row = rows[static_cast<std::size_t>(index)];
        int column = 0;
        for (const std::string* cell :
             {&row.date, &row.level, &row.addition, &row.multiplication, &row.verdict}) {
            auto* item = new QTableWidgetItem(QString::fromStdString(*cell));
            if (column >= 2) item->setTextAlignment(Qt::AlignCenter);
            table->setItem(index, column++, item);
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// The table of the learner's drills, newest first.
QTableWidget* drillsTable(const std::vector<DrillTableRow>& rows, QWidget* parent) {
    auto* table = new QTableWidget(static_cast<int>(rows.size()), 6, parent);
    table->setHorizontalHeaderLabels({"日期", "练习", "设置", "题目", "答", "对错"});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    for (int index = 0; index < static_cast<int>(rows.size()); ++index) {
        const DrillTableRow& row = rows[static_cast<std::size_t>(index)];
        int column = 0;
        for (const std::string* cell :
             {&row.date, &row.kind, &row.setting, &row.question, &row.answer, &row.verdict}) {
            table->setItem(index, column++, new QTableWidgetItem(QString::fromStdString(*cell)));
        }
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

// The fourth page: the practice room's drills, each day's share of chains answered right and
// the longest chains answered right.
QWidget* drillsPage(const std::vector<StoredDrill>& drills, const std::string& learner,
                    QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    const std::vector<DrillTableRow> rows = drillTableRows(drills, learner);
    if (rows.empty()) {
        layout->addWidget(new QLabel(QString::fromUtf8(kNoDrills), page));
        layout->addStretch();
        return page;
    }
    layout->addWidget(drillsTable(rows, page), 1);
    std::vector<ScoreLine> shares = chainShareLines(drills, learner);
    if (!shares.empty()) layout->addWidget(new ScorePlot(std::move(shares), page, kShareScale), 1);
    std::vector<ScoreLine> chains = longestChainLines(drills, learner);
    if (!chains.empty()) layout->addWidget(new ScorePlot(std::move(chains), page, kChainScale), 1);
    return page;
}

}  // namespace

HistoryWindow::HistoryWindow(const std::string& learner, const std::vector<StoredRun>& runs,
                             WrongQuestionsSource wrongQuestions, RedoRequest redo,
                             const std::vector<StoredLevelTest>& levelTests,
                             const std::vector<StoredDrill>& drills, const QFont& font,
                             QWidget* parent)
    : QDialog(parent), pages_(new QTabWidget(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("学习记录 — %1").arg(QString::fromStdString(learner).left(30)));
    QVBoxLayout* layout = scrollingContent(*this);
    QTabWidget* pages = pages_;
    pages->addTab(runsPage(runs, pages), QStringLiteral("答题记录"));
    const QPointer<QWidget> placeholder = new QWidget(pages);
    pages->addTab(placeholder, QString::fromUtf8(kWrongQuestionsTab));
    connect(pages, &QTabWidget::currentChanged, this,
            [pages, placeholder, wrongQuestions = std::move(wrongQuestions),
             redo = std::move(redo)](int index) {
                if (placeholder.isNull() || pages->widget(index) != placeholder) return;
                pages->removeTab(index);
                pages->insertTab(index, wrongQuestionsPage(wrongQuestions(), redo, pages),
                                 QString::fromUtf8(kWrongQuestionsTab));
                placeholder->deleteLater();
                pages->setCurrentIndex(index);
            });
    const int levelTestsIndex =
        pages->addTab(levelTestsPage(levelTests, pages), QString::fromUtf8(kLevelTestsTab));
    const int drillsIndex =
        pages->addTab(drillsPage(drills, learner, pages), QString::fromUtf8(kDrillsTab));
    switch (newestRecordPage(runs, levelTests, drills, learner)) {
        case RecordPage::Runs:
            break;
        case RecordPage::LevelTests:
            pages->setCurrentIndex(levelTestsIndex);
            break;
        case RecordPage::Drills:
            pages->setCurrentIndex(drillsIndex);
            break;
    }
    layout->addWidget(pages);
    resize(720, 560);
}

void HistoryWindow::addPage(QWidget* page, const QString& title) { pages_->addTab(page, title); }
