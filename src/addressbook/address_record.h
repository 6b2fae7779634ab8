// One address record as the main window edits it: the 20 text fields
// LNAME to USER2, the tag and the memo, held apart from the table so that an edit
// can be cancelled and a new record is only written when it is saved.
#pragma once

#include <QString>
#include <array>

#include "xbase/status.h"
#include "xbase/table.h"

namespace vellumo {

struct AddressRecord {
  static constexpr int kTextFieldCount = 20;
  // LNAME ... USER2 in file order, DATE included.
  static const std::array<const char*, kTextFieldCount>& TextFieldNames();
  static bool IsTextField(const QString& field);

  // Value of a text field (without trailing blanks); "" for other names.
  QString Get(const QString& field) const;
  // REQUIRES: IsTextField(field).
  void Set(const QString& field, const QString& value);
  // MIDDLE holds the middle initial in upper case, however it was typed
  // or imported.
  void UpperCaseMiddleInitial();

  std::array<QString, kTextFieldCount> texts;
  QString tag;   // TAG: the id the record was tagged under, or ""
  QString memo;  // lines separated by "\n"
};

// The current record of `table`: text fields and tag without trailing
// blanks, the memo with its line breaks as "\n".
xbase::Status ReadAddressRecord(const xbase::Table& table, AddressRecord* record);
// Writes the text fields, the tag and the memo into the current record of `table`
// (not committed). The memo is stored as given, lines ended by CR LF.
xbase::Status WriteAddressRecord(xbase::Table& table, const AddressRecord& record);

// The memo text to store on saving: line breaks as CR LF and, when its
// length is a positive multiple of 4, one space appended to its last line.
QString MemoForSaving(const QString& memo);

}  // namespace vellumo
