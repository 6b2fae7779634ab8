// Record sources over maps and over the current record of a table.
#include "design/model/record_source.h"

#include <QString>
#include <algorithm>
#include <cctype>

#include "core/address_layout.h"
#include "xbase/codepage.h"
#include "xbase/table.h"

namespace vellumo::design {
namespace {

// Keys are upper-cased so that lookups ignore case.
std::string Key(std::string_view name) {
  std::string key(name);
  std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return char(std::toupper(c)); });
  return key;
}

std::string Lookup(const std::map<std::string, std::string>& map, std::string_view name) {
  const auto it = map.find(Key(name));
  return it == map.end() ? std::string() : it->second;
}

// The computed name and address fields an address record offers designs
// beside its stored ones; nullptr for any other name.
using Computation = QString (*)(const FieldReader&);
constexpr std::pair<const char*, Computation> kComputed[] = {
    {"FullName", &FullName}, {"FullNameWithPrefix", &FullNameWithPrefix}, {"CityStateZip", &CityStateZip}};

Computation ComputedField(std::string_view field) {
  const std::string key = Key(field);
  for (const auto& [name, computation] : kComputed) {
    if (key == Key(name)) return computation;
  }
  return nullptr;
}

// Computed fields exist on address tables only: those with a last name.
bool IsAddressTable(const xbase::Table& table) { return table.FieldIndex("LNAME") >= 0; }

}  // namespace

void MapRecordSource::SetField(std::string_view field, std::string value) { fields_[Key(field)] = std::move(value); }
void MapRecordSource::SetLabel(std::string_view label, std::string_view field) {
  labels_[Key(label)] = Key(field);
  exact_labels_[std::string(label)] = Key(field);
}
void MapRecordSource::SetMemo(std::string_view field, std::string text) { memos_[Key(field)] = std::move(text); }

std::string MapRecordSource::FieldValue(std::string_view field) const { return Lookup(fields_, field); }

std::string MapRecordSource::LabelledFieldValue(std::string_view label) const {
  const auto it = labels_.find(Key(label));
  return FieldValue(it == labels_.end() ? label : std::string_view(it->second));
}

std::string MapRecordSource::MemoText(std::string_view field) const { return Lookup(memos_, field); }
bool MapRecordSource::HasField(std::string_view field) const {
  return fields_.contains(Key(field)) || memos_.contains(Key(field));
}

std::optional<std::string> MapRecordSource::FieldWithLabel(std::string_view label) const {
  const auto it = exact_labels_.find(label);
  if (it == exact_labels_.end()) return std::nullopt;
  return it->second;
}

std::vector<xbase::FieldDef> FieldsOfferedBy(const xbase::Table& table) {
  std::vector<xbase::FieldDef> fields = table.schema().fields();
  if (!IsAddressTable(table)) return fields;
  for (const auto& [name, computation] : kComputed) {
    fields.push_back({name, xbase::field_type::kCharacter, kComputedNameWidth});
  }
  return fields;
}

std::string TableRecordSource::FieldValue(std::string_view field) const {
  if (table_.FieldIndex(field) < 0) {
    const Computation computed = IsAddressTable(table_) ? ComputedField(field) : nullptr;
    return computed ? computed(ReaderOf(table_)).toStdString() : std::string();
  }
  return xbase::Windows1252ToUtf8(table_.GetTrimString(field));
}

std::string TableRecordSource::LabelledFieldValue(std::string_view label) const {
  const std::string field =
      FieldForDisplayLabel(QString::fromUtf8(label.data(), qsizetype(label.size()))).toStdString();
  return FieldValue(field.empty() ? label : std::string_view(field));
}

std::string TableRecordSource::MemoText(std::string_view field) const {
  std::string text;
  if (table_.FieldIndex(field) < 0 || !table_.GetMemo(field, &text).ok()) return {};
  return xbase::Windows1252ToUtf8(text);
}

bool TableRecordSource::HasField(std::string_view field) const {
  return table_.FieldIndex(field) >= 0 || (IsAddressTable(table_) && ComputedField(field) != nullptr);
}

std::optional<std::string> TableRecordSource::FieldWithLabel(std::string_view label) const {
  const QString wanted = QString::fromUtf8(label.data(), qsizetype(label.size()));
  const std::string field = FieldForDisplayLabel(wanted).toStdString();
  if (field.empty() || !HasField(field) || DisplayLabel(QString::fromStdString(field)) != wanted) return std::nullopt;
  return field;
}

}  // namespace vellumo::design
