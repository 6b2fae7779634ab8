// The browse grid's table model: one row per visible record of the main
// table in the current order and filter, one column per visible field.
// The number of rows comes from the engine's count; which record a row
// shows is found by walking the order from the nearer end and remembered,
// so that the first and the last pages show at once however large the
// table; cells are read when the view asks for them. Reading rows and
// cells leaves the table's current record alone: only edits and tag
// changes make a row's record current.
#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <vector>

#include "addressbook/browse_columns.h"
#include "xbase/status.h"

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
  // Posts the edit to the table at once; the record's row follows it
  // (recordRowChanged).
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

  const std::vector<BrowseColumn>& all_columns() const { return all_columns_; }
  const BrowseColumn& column(int section) const { return all_columns_[visible_[static_cast<size_t>(section)]]; }
  // REQUIRES: 0 <= row < rowCount().
  uint32_t record_at(int row) const;
  // The row of a visible record, -1 for others (found by walking from both ends).
  int row_of(uint32_t recno) const;
  // Toggles the tag of the row's record; the row shows the change, or the
  // record leaves a filter on tags (recordRowChanged).
  bool ToggleTag(int row);
  // Told once, with the engine's reason, when rows or cells could not be
  // read (they then show empty). Reads happen while the view paints, so
  // the handler must not open a window then and there.
  void SetReadFailureHandler(std::function<void(const xbase::Status&)> handler) {
    read_failure_handler_ = std::move(handler);
  }

 Q_SIGNALS:
  // After an edit or a tag change of a record: the row it now shows in
  // (it may have moved in the order), or, when it left the filter, the row
  // that took its place; -1 when no row is left.
  void recordRowChanged(int row);

 private:
  // Re-reads the rows once the record `recno`, shown in `row`, changed:
  // an edit may move it in the order or out of the filter, and may drop a
  // filter that then matches nothing. Returns the row to select.
  int RecordChanged(int row, uint32_t recno);
  // Count unchanged, so only `recno` moved: takes it out of the runs read
  // from either end and puts it back next to its new neighbours.
  void Relocate(uint32_t recno);

  QString Text(uint32_t recno, const BrowseColumn& column) const;
  // Passes the first failed read to the handler; later ones are the same story.
  void ReadFailed(const xbase::Status& status) const;

  AddressBook& book_;
  std::vector<BrowseColumn> all_columns_;
  std::vector<size_t> visible_;  // indexes into all_columns_
  // Extends a run read from the top (forward) or from the bottom until it
  // holds `count` records or the order ends. Reads never move the table's
  // current record, which is the main window's.
  void Walk(std::vector<uint32_t>* run, bool forward, size_t count) const;

  int row_count_ = 0;
  // Record numbers of the first rows, and of the last rows from the end.
  mutable std::vector<uint32_t> from_top_;
  mutable std::vector<uint32_t> from_bottom_;
  std::function<void(const xbase::Status&)> read_failure_handler_;
  mutable bool read_failure_told_ = false;
};

}  // namespace vellumo
