#include "ui/qt/history_window.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/history_views.h"
#include "ui/qt/record_list_menu.h"
#include "ui/qt/record_list_output.h"
#include "ui/qt/score_plot.h"

namespace {

const QStringList kColumns = {QStringLiteral("日期"), QStringLiteral("运算"),
                              QStringLiteral("位数"), QStringLiteral("题数"),
                              QStringLiteral("得分"), QStringLiteral("用时")};
constexpr char kNoRuns[] = "还没有保存的答题记录。";
constexpr char kNoWrongQuestions[] = "没有答错的题目。";

// The table of runs, one row each, newest first.
QTableWidget* runsTable(const std::vector<StoredRun>& runs, QWidget* parent) {
    const std::vector<HistoryTableRow> rows = historyTableRows(runs);
    auto* table = new QTableWidget(static_cast<int>(rows.size()), kColumns.size(), parent);
    table->setHorizontalHeaderLabels(kColumns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const HistoryTableRow& cells = rows[static_cast<std::size_t>(row)];
        int column = 0;
        for (const std::string* cell : {&cells.date, &cells.mode, &cells.digits, &cells.count,
                                        &cells.score, &cells.timeUsed}) {
            table->setItem(row, column++, new QTableWidgetItem(QString::fromStdString(*cell)));
        }
    }
    table->resizeColumnsToContents();
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

// The second page: the wrong-question book with its copy and print buttons.
QWidget* wrongQuestionsPage(const std::vector<WrongQuestion>& wrong, QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    const std::vector<std::string> lines = wrongQuestionBook(wrong);
    auto* text = new QPlainTextEdit(page);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    QString shown;
    for (const std::string& line : lines) shown += QString::fromStdString(line) + '\n';
    text->setPlainText(lines.empty() ? QString::fromUtf8(kNoWrongQuestions) : shown);
    layout->addWidget(text, 1);
    auto* buttons = new QHBoxLayout;
    auto* copy = new QPushButton(QStringLiteral("复制全部"), page);
    auto* print = new QPushButton(QStringLiteral("打印…"), page);
    copy->setEnabled(!lines.empty());
    print->setEnabled(!lines.empty());
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

}  // namespace

HistoryWindow::HistoryWindow(const std::string& learner, const std::vector<StoredRun>& runs,
                             const std::vector<WrongQuestion>& wrong, const QFont& font,
                             QWidget* parent)
    : QDialog(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(font);
    setWindowTitle(QStringLiteral("学习记录 — %1").arg(QString::fromStdString(learner).left(30)));
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->addTab(runsPage(runs, pages), QStringLiteral("答题记录"));
    pages->addTab(wrongQuestionsPage(wrong, pages), QStringLiteral("错题本"));
    layout->addWidget(pages);
    resize(720, 560);
}
