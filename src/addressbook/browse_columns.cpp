// Browse columns and the column-order file.
#include "addressbook/browse_columns.h"

#include <QFile>
#include <QSaveFile>

#include "core/address_layout.h"
#include "core/application_home.h"
#include "core/messages.h"
#include "core/text_codec.h"

namespace vellumo {
namespace {

// A column-order file lists a few dozen names.
constexpr qint64 kMaxOrderFileBytes = 64 * 1024;

// Display widths in characters of the columns that have one; the others
// are as wide as their field.
int PresetWidth(const QString& field) {
  static const std::pair<const char*, int> widths[] = {
      {"LNAME", 20}, {"FNAME", 15}, {"PREFIX", 4},  {"TITLE", 20},  {"ORG", 20},    {"STREET2", 20},
      {"CITY", 15},  {"STATE", 5},  {"ZIP", 10},    {"COUNTRY", 15}, {"PHONE", 15}, {"PHONE2", 15},
      {"USER1", 15}, {"USER2", 15}};
  for (const auto& [name, width] : widths) {
    if (field == QLatin1String(name)) return width;
  }
  return 0;
}

int IndexOf(const std::vector<BrowseColumn>& columns, const QString& field) {
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].field.compare(field, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

std::vector<BrowseColumn> DefaultBrowseColumns(const std::function<int(const QString&)>& field_width) {
  std::vector<BrowseColumn> columns;
  columns.push_back({QStringLiteral("Tagged"), QStringLiteral("Tagged"), 6, false, 0});
  std::vector<BrowseColumn> hidden;
  for (const AddressField& f : AddressFields()) {
    const QString name = QLatin1String(f.name);
    const int preset = PresetWidth(name);
    const int length = field_width(name);
    BrowseColumn column{name, DisplayLabel(name), preset != 0 ? preset : length, f.hidden, length};
    (f.hidden ? hidden : columns).push_back(column);
  }
  columns.push_back({QStringLiteral("DisplayDate"), QStringLiteral("Date"), kDisplayDateWidth, false, 0});
  for (const char* computed : {"FullName", "FullNameWithPrefix", "CityStateZip"}) {
    hidden.push_back({QLatin1String(computed), QLatin1String(computed), kComputedNameWidth, true, 0});
  }
  columns.insert(columns.end(), hidden.begin(), hidden.end());
  return columns;
}

void ApplyColumnOrder(const QStringList& lines, std::vector<BrowseColumn>* columns) {
  size_t position = 0;
  for (const QString& line : lines) {
    const int at = IndexOf(*columns, line.trimmed());
    if (at < 0 || static_cast<size_t>(at) < position) continue;
    BrowseColumn column = (*columns)[static_cast<size_t>(at)];
    columns->erase(columns->begin() + at);
    columns->insert(columns->begin() + static_cast<std::ptrdiff_t>(position), column);
    ++position;
  }
}

void ReorderVisibleColumns(const QStringList& visible_order, std::vector<BrowseColumn>* columns) {
  std::vector<BrowseColumn> visible;
  for (const QString& field : visible_order) {
    const int at = IndexOf(*columns, field);
    if (at >= 0 && !(*columns)[static_cast<size_t>(at)].hidden) visible.push_back((*columns)[static_cast<size_t>(at)]);
  }
  size_t next = 0;
  for (BrowseColumn& column : *columns) {
    if (!column.hidden && next < visible.size()) column = visible[next++];
  }
}

// The system-data folder is the one the name means; names of files are
// case-sensitive here, so it is not spelt a second way.
QString ColumnOrderFilePath() { return SystemDataDirectory() + QStringLiteral("FIELDS.LST"); }

QStringList ReadColumnOrder(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxOrderFileBytes) return {};
  return DecodeTextFile(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

bool WriteColumnOrder(const QString& path, const std::vector<BrowseColumn>& columns) {
  QString text;
  for (const BrowseColumn& column : columns) text += column.field + QStringLiteral("\r\n");
  const std::string bytes = ToTable(text);
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes.data(), static_cast<qint64>(bytes.size())) >= 0 &&
      file.commit()) {
    return true;
  }
  ShowInformation(QStringLiteral("Unable to write ") + path + QStringLiteral(": ") + file.errorString());
  return false;
}

}  // namespace vellumo
