// The field lists and bindings of the data objects' dialogs.
#include "design/windows/data_edits.h"

#include "core/address_layout.h"
#include "design/model/base_panel.h"

namespace vellumo::design {
namespace {

// Whether the address layout keeps the field out of grids and field lists;
// a field the layout does not know is shown.
bool HiddenField(const QString& name) {
  for (const AddressField& field : AddressFields()) {
    if (name.compare(QLatin1String(field.name), Qt::CaseInsensitive) == 0) return field.hidden;
  }
  return false;
}

// The address layout's display label, else its form caption (the memo has
// only that), else the name.
QString ShownLabel(const QString& name) {
  const QString label = DisplayLabel(name);
  if (!label.isEmpty()) return label;
  for (const AddressField& field : AddressFields()) {
    if (name.compare(QLatin1String(field.name), Qt::CaseInsensitive) == 0 && *field.form_label != '\0') {
      return QString::fromUtf8(field.form_label);
    }
  }
  return name;
}

bool Offered(const xbase::FieldDef& field, FieldChoice choice) {
  if (choice == FieldChoice::kMemoField) return field.type == xbase::field_type::kMemo;
  return field.type == xbase::field_type::kCharacter && !HiddenField(QString::fromStdString(field.name));
}

template <typename Object>
bool Bind(Object& object, const std::vector<BoundField>& offered, const QString& chosen) {
  const std::optional<QString> name = FindFieldByDisplayLabel(offered, chosen);
  if (!name) return false;
  object.DataFieldName = name->toStdString();
  object.DataFieldDescript = chosen.toStdString();
  return true;
}

}  // namespace

std::vector<BoundField> OfferedFields(const std::vector<xbase::FieldDef>& fields, FieldChoice choice) {
  std::vector<BoundField> offered;
  for (const xbase::FieldDef& field : fields) {
    if (!Offered(field, choice)) continue;
    const QString name = QString::fromStdString(field.name);
    offered.push_back({name, ShownLabel(name)});
  }
  return offered;
}

QStringList OfferedLabels(const std::vector<BoundField>& offered) {
  QStringList labels;
  for (const BoundField& field : offered) labels << field.display_label;
  return labels;
}

int PreselectedRow(const std::vector<BoundField>& offered, const QString& descript) {
  if (offered.empty()) return -1;
  const int at = static_cast<int>(OfferedLabels(offered).indexOf(descript));
  return at < 0 ? 0 : at;
}

bool BindToField(TGPDLabel& label, const std::vector<BoundField>& offered, const QString& chosen) {
  return Bind(label, offered, chosen);
}

bool BindToField(TGDMultiLineLabel& memo, const std::vector<BoundField>& offered, const QString& chosen) {
  return Bind(memo, offered, chosen);
}

void ApplyAddressLayout(TGDMultiLineAddressLabel& address, const AddressBlockOptions& options) {
  address.Options = options;
}

void FinishDataDialog(TGGraphicControl& object, bool accepted) {
  TGBasePanel* page = object.Page();
  if (!page) return;
  if (accepted) page->NotifyChanged();
  page->RefreshAllData();
}

}  // namespace vellumo::design
