// The record layout of an address database: its 23 stored fields with
// their labels, its 26 index tags, and the five computed fields.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/field_lengths.h"
#include "xbase/field.h"
#include "xbase/table.h"

namespace vellumo {

struct AddressField {
  const char* name;
  char type;
  int fixed_width;             // 0: the width is a field-length setting
  const char* form_label;      // caption on the main window's form, "" for none
  const char* display_label;   // label in grids and field lists, "" for none
  bool hidden;                 // left out of grids and field lists
};

// The 23 stored fields in file order.
const std::vector<AddressField>& AddressFields();
// Field definitions for a new database with these widths.
std::vector<xbase::FieldDef> AddressFieldDefs(const FieldLengths& lengths);
// The 26 tags in creation order.
const std::vector<xbase::TagSpec>& AddressTags();
// Tag names in the order IsValidAddressIndex looks them up.
const std::vector<const char*>& RequiredAddressTags();

// Display label of a stored or computed field, "" when it has none; and the
// field of a display label (case-insensitive), "" when none.
QString DisplayLabel(const QString& field);
QString FieldForDisplayLabel(const QString& label);

// The computed fields. Values are the stored texts without trailing blanks;
// results longer than 35 characters are cut.
inline constexpr int kComputedNameWidth = 35;
inline constexpr int kDisplayDateWidth = 12;
using FieldReader = std::function<QString(const char* field)>;
QString FullName(const FieldReader& field);
QString FullNameWithPrefix(const FieldReader& field);
QString CityStateZip(const FieldReader& field);
QString DisplayDate(const FieldReader& field);
// TAG without trailing blanks equals the current tag id.
bool IsTagged(const FieldReader& field, const QString& tag_id);
// A reader over the current record of `table`, converting from Windows-1252.
FieldReader ReaderOf(const xbase::Table& table);
// A copied record's fields. REQUIRES: `record` outlives the reader.
FieldReader ReaderOf(const xbase::Record& record);

}  // namespace vellumo
