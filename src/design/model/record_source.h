// Where data objects read the current record from: field values by field
// name or by display label ("Last Name"), and memo texts. Values are UTF-8
// texts without their trailing blanks; a field that does not exist gives
// empty text. One implementation reads the current record of a table, one
// a plain map (for tests and previews without a table).
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/field.h"

namespace xbase {
class Table;
}

namespace vellumo::design {

class RecordSource {
 public:
  virtual ~RecordSource() = default;
  // By field name, in any case ("ZIP", "zip").
  [[nodiscard]] virtual std::string FieldValue(std::string_view field) const = 0;
  // By display label ("Zip/Postal Code"), or by field name when no label matches.
  [[nodiscard]] virtual std::string LabelledFieldValue(std::string_view label) const = 0;
  // The memo text of a memo field.
  [[nodiscard]] virtual std::string MemoText(std::string_view field) const = 0;
  // Whether the record has the field (by name, in any case).
  [[nodiscard]] virtual bool HasField(std::string_view field) const = 0;
  // The name of the field whose display label is exactly `label`, case
  // included; nullopt when no field has it.
  [[nodiscard]] virtual std::optional<std::string> FieldWithLabel(std::string_view label) const = 0;
};

// Fields, labels and memos held in maps; names and labels compare without case.
class MapRecordSource : public RecordSource {
 public:
  void SetField(std::string_view field, std::string value);
  // A display label for a field.
  void SetLabel(std::string_view label, std::string_view field);
  void SetMemo(std::string_view field, std::string text);

  [[nodiscard]] std::string FieldValue(std::string_view field) const override;
  [[nodiscard]] std::string LabelledFieldValue(std::string_view label) const override;
  [[nodiscard]] std::string MemoText(std::string_view field) const override;
  [[nodiscard]] bool HasField(std::string_view field) const override;
  [[nodiscard]] std::optional<std::string> FieldWithLabel(std::string_view label) const override;

 private:
  std::map<std::string, std::string> fields_, labels_, memos_;  // keys upper-cased
  std::map<std::string, std::string, std::less<>> exact_labels_;  // label as given → field
};

// The current record of an address table, labels as the address layout
// gives them; besides the stored fields it offers the computed FullName,
// FullNameWithPrefix and CityStateZip ("Full Name" ...). REQUIRES: table outlives the source.
class TableRecordSource : public RecordSource {
 public:
  explicit TableRecordSource(const xbase::Table& table) : table_(table) {}

  [[nodiscard]] std::string FieldValue(std::string_view field) const override;
  [[nodiscard]] std::string LabelledFieldValue(std::string_view label) const override;
  [[nodiscard]] std::string MemoText(std::string_view field) const override;
  [[nodiscard]] bool HasField(std::string_view field) const override;
  [[nodiscard]] std::optional<std::string> FieldWithLabel(std::string_view label) const override;

 private:
  const xbase::Table& table_;
};

// The fields designs may bind to on `table`: its own, and on an address
// table the computed ones too, under their own names ("FullName"); these
// definitions describe a choice of field and are never written to a file.
std::vector<xbase::FieldDef> FieldsOfferedBy(const xbase::Table& table);

}  // namespace vellumo::design
