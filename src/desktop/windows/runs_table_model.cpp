#include "desktop/windows/runs_table_model.h"

#include <QStringList>

namespace {

const QStringList kColumns = {QStringLiteral("日期"), QStringLiteral("考试/练习"),
                              QStringLiteral("运算"), QStringLiteral("位数"),
                              QStringLiteral("完成"), QStringLiteral("得分（练习：首次答对率）"),
                              QStringLiteral("用时")};

}  // namespace

RunsTableModel::RunsTableModel(std::vector<HistoryTableRow> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)) {}

int RunsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RunsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kColumns.size());
}

QVariant RunsTableModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const HistoryTableRow& row = rows_[static_cast<std::size_t>(index.row())];
    const std::string* const cells[] = {&row.date,       &row.kind,  &row.mode,    &row.digits,
                                        &row.completion, &row.score, &row.timeUsed};
    return QString::fromStdString(*cells[index.column()]);
}

QVariant RunsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    return kColumns.value(section);
}
