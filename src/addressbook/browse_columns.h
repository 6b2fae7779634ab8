// The columns of the browse grid: every field of the main table with the
// computed ones, in an order the user may change and that is kept in the
// column-order file (one field name per line), and which of them show.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace vellumo {

struct BrowseColumn {
  QString field;    // "LNAME", or a computed field ("Tagged", "DisplayDate" ...)
  QString label;    // the column caption
  int width_chars;   // display width in characters
  bool hidden;
  int field_length;  // characters the stored field holds; 0 for computed ones
};

// All columns in their first order: "Tagged", the text fields, the display
// date; then the hidden ones. `field_width` gives a stored field's width.
std::vector<BrowseColumn> DefaultBrowseColumns(const std::function<int(const QString&)>& field_width);

// Moves the fields named by `lines`, in turn, to the front positions;
// lines naming no column are skipped.
void ApplyColumnOrder(const QStringList& lines, std::vector<BrowseColumn>* columns);

// The order after the user moved the visible columns: the hidden columns
// keep their places, the visible ones fill the others in `visible_order`.
void ReorderVisibleColumns(const QStringList& visible_order, std::vector<BrowseColumn>* columns);

// The column-order file: FIELDS.LST in the system-data folder of the home.
QString ColumnOrderFilePath();
// Its lines; none when the file is missing or unreadable.
QStringList ReadColumnOrder(const QString& path);
// Writes the order; a file that cannot be written is told to the user
// ("Unable to write " + path + ": " + reason) and gives false.
bool WriteColumnOrder(const QString& path, const std::vector<BrowseColumn>& columns);

}  // namespace vellumo
