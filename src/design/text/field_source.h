// The fields of the record a data object shows: values by field name, and
// the bound table's fields with their display labels for finding a field
// by label. The design objects feed these from the bound table, tests
// from a map.
#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace vellumo {

// The text of the named field of the current record, or nullopt when the
// table has no such field. Trailing padding may be left on; the users
// remove it.
using FieldText = std::function<std::optional<QString>(const QString& field)>;

// A record held as field name → value; names not in the map are missing.
FieldText FieldsFromMap(QMap<QString, QString> values);

// One field of the bound table.
struct BoundField {
  QString name;
  QString display_label;
};

// The name of the last field (in table order) whose display label equals
// `label` exactly, case included; nullopt when none does or `label` is
// empty.
std::optional<QString> FindFieldByDisplayLabel(const std::vector<BoundField>& fields, const QString& label);

// What the page shows: record values while designing with values on, or
// while printing.
struct ShowState {
  bool display_values = false;
  bool printing = false;
  [[nodiscard]] bool ShowsValues() const { return display_values || printing; }
};

}  // namespace vellumo
