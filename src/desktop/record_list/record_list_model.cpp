#include "desktop/record_list/record_list_model.h"

#include <algorithm>

RecordListModel::RecordListModel(QObject* parent) : QAbstractListModel(parent) {}

bool RecordListModel::sync(const Element& list) {
    const int rows = static_cast<int>(list.items.size());
    if (list_ != &list || list.clearCount != clearCount_ || rows < shownRows_) {
        beginResetModel();
        list_ = &list;
        clearCount_ = list.clearCount;
        shownRows_ = rows;
        endResetModel();
        return true;
    }
    if (rows > shownRows_) {
        beginInsertRows(QModelIndex(), shownRows_, rows - 1);
        shownRows_ = rows;
        endInsertRows();
    }
    return false;
}

std::span<const std::string> RecordListModel::lines() const {
    if (list_ == nullptr) return {};
    return {list_->items.data(),
            std::min(list_->items.size(), static_cast<std::size_t>(shownRows_))};
}

int RecordListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows_;
}

QVariant RecordListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || list_ == nullptr || !index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    if (row >= list_->items.size()) return {};
    return QString::fromStdString(list_->items[row]);
}
