// Rows found by walking from the nearer end, cells read on demand.
#include "addressbook/browse_model.h"


#include "addressbook/address_book.h"
#include "addressbook/address_record.h"
#include "core/address_layout.h"
#include "core/date_keys.h"
#include "xbase/table.h"

namespace vellumo {

BrowseModel::BrowseModel(AddressBook& book, std::vector<BrowseColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), book_(book), all_columns_(std::move(columns)) {
  for (size_t i = 0; i < all_columns_.size(); ++i) {
    if (!all_columns_[i].hidden) visible_.push_back(i);
  }
  row_count_ = static_cast<int>(book_.VisibleRecordCount());
}

void BrowseModel::WalkFromTop(size_t count) const {
  xbase::Table* table = book_.table();
  const uint32_t current = table->RecNo();
  xbase::Status s = from_top_.empty() ? table->GoTop() : table->Go(from_top_.back());
  if (s.ok() && !from_top_.empty()) s = table->Skip(1);
  for (; s.ok() && !table->Eof() && from_top_.size() < count; s = table->Skip(1)) from_top_.push_back(table->RecNo());
  (void)table->Go(current);
}

void BrowseModel::WalkFromBottom(size_t count) const {
  xbase::Table* table = book_.table();
  const uint32_t current = table->RecNo();
  xbase::Status s = from_bottom_.empty() ? table->GoBottom() : table->Go(from_bottom_.back());
  if (s.ok() && !from_bottom_.empty()) s = table->Skip(-1);
  for (; s.ok() && !table->Bof() && !table->Eof() && from_bottom_.size() < count; s = table->Skip(-1)) {
    from_bottom_.push_back(table->RecNo());
  }
  (void)table->Go(current);
}

uint32_t BrowseModel::record_at(int row) const {
  const size_t from_top = static_cast<size_t>(row);
  const size_t from_bottom = static_cast<size_t>(row_count_ - 1 - row);
  if (from_top < from_top_.size()) return from_top_[from_top];
  if (from_bottom < from_bottom_.size()) return from_bottom_[from_bottom];
  // Walk from the nearer end, a page ahead.
  constexpr size_t kAhead = 256;
  if (from_top - from_top_.size() <= from_bottom - from_bottom_.size()) {
    WalkFromTop(from_top + kAhead);
    if (from_top < from_top_.size()) return from_top_[from_top];
  } else {
    WalkFromBottom(from_bottom + kAhead);
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
  // From both ends at once: the current record is mostly near one of them.
  for (int k = 0; k <= (row_count_ - 1) / 2; ++k) {
    if (record_at(k) == recno) return k;
    if (record_at(row_count_ - 1 - k) == recno) return row_count_ - 1 - k;
  }
  return -1;
}

QString BrowseModel::Text(uint32_t recno, const BrowseColumn& column) const {
  xbase::Table* table = book_.table();
  if (!table || (table->RecNo() != recno && !table->Go(recno).ok())) return QString();
  const FieldReader field = ReaderOf(*table);
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
  if (!book_.GoTo(record_at(index.row()))) return false;
  if (!book_.SetField(column(index.column()).field, value.toString()) || !book_.Save()) {
    book_.Cancel();
    return false;
  }
  Q_EMIT dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
  return true;
}

bool BrowseModel::ToggleTag(int row) {
  if (row < 0 || row >= rowCount() || !book_.GoTo(record_at(row)) || !book_.ToggleTag()) return false;
  Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
  return true;
}

}  // namespace vellumo
