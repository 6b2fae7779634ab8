// Rows by record number, cells read on demand.
#include "addressbook/browse_model.h"

#include <algorithm>

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
  xbase::Table* table = book_.table();
  if (!table) return;
  const uint32_t current = table->RecNo();
  for (xbase::Status s = table->GoTop(); s.ok() && !table->Eof(); s = table->Skip(1)) rows_.push_back(table->RecNo());
  (void)table->Go(current);
}

int BrowseModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int BrowseModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(visible_.size());
}

int BrowseModel::row_of(uint32_t recno) const {
  auto it = std::find(rows_.begin(), rows_.end(), recno);
  return it == rows_.end() ? -1 : static_cast<int>(it - rows_.begin());
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
