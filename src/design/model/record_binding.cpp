// The page's record as the text objects read it.
#include "design/model/record_binding.h"

#include "design/model/base_panel.h"

namespace vellumo::design {

FieldText FieldsOf(const RecordSource& record) {
  return [&record](const QString& field) -> std::optional<QString> {
    const std::string name = field.toStdString();
    if (!record.HasField(name)) return std::nullopt;
    return QString::fromStdString(record.FieldValue(name));
  };
}

BoundRecord BindByLabel(const RecordSource& record, const QString& descript) {
  BoundRecord bound;
  bound.value = FieldsOf(record);
  if (const std::optional<std::string> field = record.FieldWithLabel(descript.toStdString())) {
    bound.fields.push_back({QString::fromStdString(*field), descript});
  }
  return bound;
}

MemoReader MemosOf(const RecordSource& record) {
  return [&record](const QString& field) -> std::optional<QString> {
    return QString::fromStdString(record.MemoText(field.toStdString()));
  };
}

ShowState ShowStateOf(const TGBasePanel* page) {
  ShowState show;
  if (!page) return show;
  show.display_values = page->ShowsRecordValues();
  show.printing = page->Printing;
  return show;
}

}  // namespace vellumo::design
