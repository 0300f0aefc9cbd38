#include "desktop/windows/class_report_table.h"

#include <QHeaderView>
#include <algorithm>
#include <optional>

#include "history/class_table_cells.h"

namespace {

// A cell that sorts by its number when it has one: an empty cell first, then the numbers, then
// texts in their own order.
class ClassReportCell : public QTableWidgetItem {
  public:
    explicit ClassReportCell(const std::string& text)
        : QTableWidgetItem(QString::fromStdString(text)), value_(classTableCellValue(text)) {}

    bool operator<(const QTableWidgetItem& other) const override {
        const auto* cell = dynamic_cast<const ClassReportCell*>(&other);
        if (cell == nullptr) return QTableWidgetItem::operator<(other);
        if (text().isEmpty() || cell->text().isEmpty())
            return text().isEmpty() && !cell->text().isEmpty();
        if (value_ && cell->value_) return *value_ < *cell->value_;
        if (value_ || cell->value_) return value_.has_value();
        return text() < cell->text();
    }

  private:
    std::optional<double> value_;
};

}  // namespace

QTableWidget* classReportTable(QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    // Every column keeps the width of its whole text at every zoom; the last one takes what
    // room is left, and the table scrolls sideways when there is none.
    table->horizontalHeader()->setStretchLastSection(false);
    table->setTextElideMode(Qt::ElideNone);
    table->setWordWrap(false);
    return table;
}

void showClassReport(QTableWidget& table, const ClassTable& classTable) {
    table.setSortingEnabled(false);
    table.clear();
    table.setColumnCount(static_cast<int>(classTable.header.size()));
    table.setRowCount(static_cast<int>(classTable.rows.size()));
    QStringList headers;
    for (const std::string& header : classTable.header) headers << QString::fromStdString(header);
    table.setHorizontalHeaderLabels(headers);
    for (int row = 0; row < table.rowCount(); ++row) {
        const std::vector<std::string>& cells = classTable.rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
            auto* cell = new ClassReportCell(cells[static_cast<std::size_t>(column)]);
            if (column > 0 && column + 1 < static_cast<int>(cells.size())) {
                cell->setTextAlignment(Qt::AlignCenter);
            }
            table.setItem(row, column, cell);
        }
    }
    // The headers leave room for the arrow a click puts beside them.
    table.horizontalHeader()->setSortIndicatorShown(true);
    table.horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table.resizeColumnsToContents();
    const int last = table.columnCount() - 1;
    if (last > 0) {
        const int others = table.horizontalHeader()->length() - table.columnWidth(last);
        table.setColumnWidth(last,
                             std::max(table.columnWidth(last), table.viewport()->width() - others));
    }
    table.setSortingEnabled(true);
}
