// Reading and writing an address record through the table.
#include "addressbook/address_record.h"

#include "core/text_codec.h"

namespace vellumo {
namespace {

const QString kStoredLineBreak = QStringLiteral("\r\n");

int IndexOf(const QString& field) {
  const auto& names = AddressRecord::TextFieldNames();
  for (int i = 0; i < AddressRecord::kTextFieldCount; ++i) {
    if (field.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

QString ToStoredLineBreaks(const QString& memo) {
  QString text = memo;
  text.replace(kStoredLineBreak, QStringLiteral("\n"));
  text.replace(QLatin1Char('\n'), kStoredLineBreak);
  return text;
}

}  // namespace

const std::array<const char*, AddressRecord::kTextFieldCount>& AddressRecord::TextFieldNames() {
  static const std::array<const char*, kTextFieldCount> names{
      "LNAME", "FNAME",   "MIDDLE", "PREFIX", "TITLE", "ORG",   "STREET", "STREET2", "CITY",  "STATE",
      "ZIP",   "COUNTRY", "DATE",   "PHONE",  "PHONE2", "FAX", "EMAIL",  "CODES",   "USER1", "USER2"};
  return names;
}

bool AddressRecord::IsTextField(const QString& field) { return IndexOf(field) >= 0; }

QString AddressRecord::Get(const QString& field) const {
  int i = IndexOf(field);
  return i < 0 ? QString() : texts[i];
}

void AddressRecord::Set(const QString& field, const QString& value) {
  int i = IndexOf(field);
  if (i >= 0) texts[i] = value;
}

void AddressRecord::UpperCaseMiddleInitial() {
  const QString middle = QStringLiteral("MIDDLE");
  Set(middle, Get(middle).toUpper());
}

xbase::Status ReadAddressRecord(const xbase::Table& table, AddressRecord* record) {
  for (int i = 0; i < AddressRecord::kTextFieldCount; ++i) {
    record->texts[i] = FromTable(table.GetTrimString(AddressRecord::TextFieldNames()[i]));
  }
  record->tag = FromTable(table.GetTrimString("TAG"));
  // A record whose bytes could not be read reads as blank: say why
  // rather than show it so.
  XBASE_RETURN_IF_ERROR(table.RecordStatus());
  std::string memo;
  xbase::Status s = table.GetMemo("MEMO", &memo);
  if (!s.ok()) return s;
  record->memo = FromTable(memo);
  record->memo.replace(kStoredLineBreak, QStringLiteral("\n"));
  return xbase::Status::OK();
}

xbase::Status WriteAddressRecord(xbase::Table& table, const AddressRecord& record) {
  for (int i = 0; i < AddressRecord::kTextFieldCount; ++i) {
    xbase::Status s = table.Replace(AddressRecord::TextFieldNames()[i], ToTable(record.texts[i]));
    if (!s.ok()) return s;
  }
  xbase::Status s = table.Replace("TAG", ToTable(record.tag));
  if (!s.ok()) return s;
  return table.Replace("MEMO", ToTable(ToStoredLineBreaks(record.memo)));
}

QString MemoForSaving(const QString& memo) {
  QString text = ToStoredLineBreaks(memo);
  // The last line is the end of the text: appending there lengthens it by one.
  if (!text.isEmpty() && text.size() % 4 == 0) text += QLatin1Char(' ');
  return text;
}

}  // namespace vellumo
