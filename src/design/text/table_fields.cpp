// Field and memo readers over an open table.
#include "design/text/table_fields.h"

#include <string>

#include "core/text_codec.h"

namespace vellumo {

FieldText FieldsOfTable(const xbase::Table& table) {
  return [&table](const QString& field) -> std::optional<QString> {
    const std::string name = field.toStdString();
    if (table.FieldIndex(name) < 0) return std::nullopt;
    return FromTable(table.GetTrimString(name));
  };
}

MemoReader MemoOfTable(const xbase::Table& table) {
  return [&table](const QString& field) -> std::optional<QString> {
    const std::string name = field.toStdString();
    if (table.FieldIndex(name) < 0) return std::nullopt;
    std::string text;
    if (!table.GetMemo(name, &text).ok()) return std::nullopt;
    return FromTable(text);
  };
}

}  // namespace vellumo
