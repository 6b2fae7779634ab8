// Rows found by walking from the nearer end, cells read on demand.
#include "addressbook/browse_model.h"

#include <algorithm>

#include "addressbook/address_book.h"
#include "addressbook/address_record.h"
#include "core/address_layout.h"
#include "core/date_keys.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

// `run` lists records from one end of the order inwards; `neighbour` is the
// record next to `recno` on that end's side in the new order, 0 when
// `recno` is now at that end. Only `recno` moved, so the run stays a true
// run: with it at its new place when that lies within, else without it.
void Reinsert(std::vector<uint32_t>* run, uint32_t recno, uint32_t neighbour) {
  const auto old = std::find(run->begin(), run->end(), recno);
  if (old != run->end()) run->erase(old);
  if (neighbour == 0) {
    run->insert(run->begin(), recno);
    return;
  }
  const auto at = std::find(run->begin(), run->end(), neighbour);
  if (at != run->end()) run->insert(at + 1, recno);
}

}  // namespace

BrowseModel::BrowseModel(AddressBook& book, std::vector<BrowseColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), book_(book), all_columns_(std::move(columns)) {
  for (size_t i = 0; i < all_columns_.size(); ++i) {
    if (!all_columns_[i].hidden) visible_.push_back(i);
  }
  row_count_ = static_cast<int>(book_.VisibleRecordCount());
}

void BrowseModel::Walk(std::vector<uint32_t>* run, bool forward, size_t count) const {
  xbase::Table* table = book_.table();
  if (table == nullptr || run->size() >= count) return;
  // A failed read leaves the run short: the rows beyond show nothing.
  const xbase::Status s = table->VisibleRecords(run->empty() ? 0 : run->back(), forward, count - run->size(), run);
  if (!s.ok()) ReadFailed(s);
}

void BrowseModel::ReadFailed(const xbase::Status& status) const {
  if (read_failure_told_ || !read_failure_handler_) return;
  read_failure_told_ = true;
  read_failure_handler_(status);
}

uint32_t BrowseModel::record_at(int row) const {
  const size_t from_top = static_cast<size_t>(row);
  const size_t from_bottom = static_cast<size_t>(row_count_ - 1 - row);
  if (from_top < from_top_.size()) return from_top_[from_top];
  if (from_bottom < from_bottom_.size()) return from_bottom_[from_bottom];
  // Walk from the nearer end, a page ahead.
  constexpr size_t kAhead = 256;
  if (from_top - from_top_.size() <= from_bottom - from_bottom_.size()) {
    Walk(&from_top_, true, from_top + kAhead);
    if (from_top < from_top_.size()) return from_top_[from_top];
  } else {
    Walk(&from_bottom_, false, from_bottom + kAhead);
    if (from_bottom < from_bottom_.size()) return from_bottom_[from_bottom];
  }
  return 0;  // the table changed under the grid: the row shows nothing
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : row_count_;
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

int BrowseModel::row_of(uint32_t recno) const {
  const auto top = std::find(from_top_.begin(), from_top_.end(), recno);
  if (top != from_top_.end()) return static_cast<int>(top - from_top_.begin());
  const auto bottom = std::find(from_bottom_.begin(), from_bottom_.end(), recno);
  if (bottom != from_bottom_.end()) return row_count_ - 1 - static_cast<int>(bottom - from_bottom_.begin());
  // From both ends at once: the current record is mostly near one of them.
  for (int k = 0; k <= (row_count_ - 1) / 2; ++k) {
    if (record_at(k) == recno) return k;
    if (record_at(row_count_ - 1 - k) == recno) return row_count_ - 1 - k;
  }
  return -1;
}

QString BrowseModel::Text(uint32_t recno, const BrowseColumn& column) const {
  const xbase::Table* table = book_.table();
  xbase::Record record;
  if (table == nullptr || recno == 0) return QString();
  const xbase::Status s = table->Read(recno, &record);
  if (!s.ok()) {
    ReadFailed(s);
    return QString();
  }
  const FieldReader field = ReaderOf(record);
  if (column.field == QLatin1String("Tagged")) {
    return IsTagged(field, book_.tag_id()) ? QStringLiteral("Yes") : QStringLiteral("No");
  }
  if (column.field == QLatin1String("DisplayDate")) return DisplayDate(field);
  return field(column.field.toLatin1().constData());
}

QVariant BrowseModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  return Text(record_at(index.row()), column(index.column()));
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return column(section).label;
  return section + 1;
}

Qt::ItemFlags BrowseModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (index.isValid() && AddressRecord::IsTextField(column(index.column()).field) &&
      column(index.column()).field != QLatin1String("DATE")) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool BrowseModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  // An editor closed without a change writes nothing.
  if (value.toString() == data(index, Qt::EditRole).toString()) return true;
  const uint32_t recno = record_at(index.row());
  if (!book_.GoTo(recno)) return false;
  if (!book_.SetField(column(index.column()).field, value.toString()) || !book_.Save()) {
    book_.Cancel();
    return false;
  }
  Q_EMIT recordRowChanged(RecordChanged(index.row(), recno));
  return true;
}

bool BrowseModel::ToggleTag(int row) {
  if (row < 0 || row >= rowCount()) return false;
  const uint32_t recno = record_at(row);
  if (!book_.GoTo(recno) || !book_.ToggleTag()) return false;
  Q_EMIT recordRowChanged(RecordChanged(row, recno));
  return true;
}

int BrowseModel::RecordChanged(int row, uint32_t recno) {
  const int old_count = row_count_;
  const int new_count = static_cast<int>(book_.VisibleRecordCount());
  if (new_count == old_count) {
    Relocate(recno);
  } else {
    // The record left the filter, or a filter that matched nothing any
    // more was dropped: the rows are read again.
    from_top_.clear();
    from_bottom_.clear();
    if (new_count < old_count) {
      beginRemoveRows({}, new_count, old_count - 1);
      row_count_ = new_count;
      endRemoveRows();
    } else {
      beginInsertRows({}, old_count, new_count - 1);
      row_count_ = new_count;
      endInsertRows();
    }
  }
  if (row_count_ == 0) return -1;
  Q_EMIT dataChanged(index(0, 0), index(row_count_ - 1, columnCount() - 1));
  // A record that left the filter is looked for nowhere: that would walk
  // every row.
  const int now = new_count >= old_count ? row_of(recno) : -1;
  return now >= 0 ? now : std::min(row, row_count_ - 1);
}

void BrowseModel::Relocate(uint32_t recno) {
  xbase::Table* table = book_.table();
  std::vector<uint32_t> before;
  std::vector<uint32_t> after;
  for (const xbase::Status& s :
       {table->VisibleRecords(recno, false, 1, &before), table->VisibleRecords(recno, true, 1, &after)}) {
    if (!s.ok()) ReadFailed(s);
  }
  Reinsert(&from_top_, recno, before.empty() ? 0 : before.front());
  Reinsert(&from_bottom_, recno, after.empty() ? 0 : after.front());
}

}  // namespace vellumo
