// The browse grid's table model: one row per visible record of the main
// table in the current order and filter, one column per visible field.
// Rows are listed by record number when the model is made (a walk through
// the order, not a read of the records), so that any row is reached at
// once; cells are read when the view asks for them.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "addressbook/browse_columns.h"

namespace vellumo {

class AddressBook;

class BrowseModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  BrowseModel(AddressBook& book, std::vector<BrowseColumn> columns, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Posts the edit to the table at once.
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  const std::vector<BrowseColumn>& all_columns() const { return all_columns_; }
  const BrowseColumn& column(int section) const { return all_columns_[visible_[static_cast<size_t>(section)]]; }
  uint32_t record_at(int row) const { return rows_[static_cast<size_t>(row)]; }
  // The row of a record number, -1 when it is not listed.
  int row_of(uint32_t recno) const;
  // Toggles the tag of the row's record; the row shows the change.
  bool ToggleTag(int row);

 private:
  QString Text(uint32_t recno, const BrowseColumn& column) const;

  AddressBook& book_;
  std::vector<BrowseColumn> all_columns_;
  std::vector<size_t> visible_;  // indexes into all_columns_
  std::vector<uint32_t> rows_;
};

}  // namespace vellumo
