// Field values from a map and fields found by display label.
#include "design/text/field_source.h"

#include <utility>

namespace vellumo {

FieldText FieldsFromMap(QMap<QString, QString> values) {
  return [values = std::move(values)](const QString& field) -> std::optional<QString> {
    auto it = values.constFind(field);
    if (it == values.constEnd()) return std::nullopt;
    return *it;
  };
}

std::optional<QString> FindFieldByDisplayLabel(const std::vector<BoundField>& fields, const QString& label) {
  if (label.isEmpty()) return std::nullopt;
  std::optional<QString> found;
  for (const BoundField& field : fields) {
    if (field.display_label == label) found = field.name;
  }
  return found;
}

}  // namespace vellumo
