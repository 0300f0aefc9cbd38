#pragma once
// The rows of a list box, read straight from the model element's lines, so that a list of
// a hundred thousand lines costs no copy and grows by appending rows.

#include <QAbstractListModel>
#include <cstdint>
#include <span>
#include <string>

#include "model/element.h"

class RecordListModel : public QAbstractListModel {
    Q_OBJECT

  public:
    explicit RecordListModel(QObject* parent);

    // Catches up with `list`: appends the new lines, or starts over after the list was
    // emptied; true when it started over.
    bool sync(const Element& list);

    // The lines shown, as the model element holds them.
    std::span<const std::string> lines() const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

  private:
    const Element* list_ = nullptr;
    int shownRows_ = 0;
    std::uint64_t clearCount_ = 0;
};
