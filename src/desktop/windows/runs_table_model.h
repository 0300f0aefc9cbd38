#pragma once
// The runs table's cells, made only for the rows on view, so ten thousand runs open at once.

#include <QAbstractTableModel>
#include <vector>

#include "history/history_views.h"

class RunsTableModel : public QAbstractTableModel {
  public:
    RunsTableModel(std::vector<HistoryTableRow> rows, QObject* parent);

    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::vector<HistoryTableRow> rows_;
};
