// The address record layout, its tags and computed fields.
#include "core/address_layout.h"

#include "core/date_keys.h"
#include "core/text_codec.h"
#include "core/text_utils.h"

namespace vellumo {
namespace {

struct ComputedField {
  const char* name;
  const char* display_label;
};
constexpr ComputedField kComputed[] = {{"DisplayDate", "Date"},
                                       {"Tagged", "Tagged"},
                                       {"FullName", "Full Name"},
                                       {"FullNameWithPrefix", "Full Name & Prefix"},
                                       {"CityStateZip", "City, State & Zip"}};

}  // namespace

const std::vector<AddressField>& AddressFields() {
  static const std::vector<AddressField> fields = {
      {"LNAME", 'C', 0, "Last", "Last Name", false},
      {"FNAME", 'C', 0, "First", "First Name", false},
      {"MIDDLE", 'C', 1, "MI", "Middle", false},
      {"PREFIX", 'C', 0, "Prefix", "Prefix", false},
      {"TITLE", 'C', 0, "Title", "Title", false},
      {"ORG", 'C', 0, "Org", "Organization", false},
      {"STREET", 'C', 0, "Address 1", "Address 1", false},
      {"STREET2", 'C', 0, "Address 2", "Address 2", false},
      {"CITY", 'C', 0, "City", "City", false},
      {"STATE", 'C', 0, "State or Prov", "State", false},
      {"ZIP", 'C', 0, "Zip or Postal ", "Zip/Postal Code", false},
      {"COUNTRY", 'C', 0, "Country", "Country", false},
      {"DATE", 'C', 15, "Date", "Actual Date", true},
      {"PHONE", 'C', 0, "Phone 1", "Phone 1", false},
      {"PHONE2", 'C', 0, "Phone 2", "Phone 2", false},
      {"FAX", 'C', 0, "Fax", "Fax", false},
      {"EMAIL", 'C', 0, "E-mail", "Email", false},
      {"CODES", 'C', 0, "Codes", "Codes", false},
      {"USER1", 'C', 0, "Comment 1", "Comment 1", false},
      {"USER2", 'C', 0, "Comment 2", "Comment 2", false},
      {"ISDEL", 'L', 1, "", "Deleted", true},
      {"TAG", 'C', 8, "", "", true},
      {"MEMO", 'M', 10, "Memo", "", true},
  };
  return fields;
}

std::vector<xbase::FieldDef> AddressFieldDefs(const FieldLengths& lengths) {
  std::vector<xbase::FieldDef> defs;
  for (const AddressField& f : AddressFields()) {
    int width = f.fixed_width != 0 ? f.fixed_width : lengths.Get(QLatin1String(f.name));
    defs.push_back(xbase::FieldDef{f.name, f.type, static_cast<uint16_t>(width), 0, 0, 0});
  }
  return defs;
}

const std::vector<xbase::TagSpec>& AddressTags() {
  static const std::vector<xbase::TagSpec> tags = [] {
    const char* list[][2] = {
        {"NAME", "UPPER(LNAME-FNAME)"}, {"LNAME", "UPPER(LNAME)+UPPER(FNAME)"},
        {"FNAME", "UPPER(FNAME)"},      {"TITLE", "UPPER(TITLE)"},
        {"ORG", "UPPER(ORG)"},          {"STREET", "UPPER(STREET)"},
        {"STREET2", "UPPER(STREET2)"},  {"CITY", "UPPER(CITY+STATE)"},
        {"STATE", "UPPER(STATE)"},      {"ZIP", "UPPER(ZIP)"},
        {"COUNTRY", "UPPER(COUNTRY)"},  {"PHONE", "UPPER(PHONE)"},
        {"PHONE2", "UPPER(PHONE2)"},    {"EMAIL", "UPPER(EMAIL)"},
        {"FAX", "UPPER(FAX)"},          {"USER1", "UPPER(USER1)"},
        {"USER2", "UPPER(USER2)"},      {"DATE", "UPPER(DATE)"},
        {"TAG", "UPPER(TAG)"},          {"CODES", "UPPER(CODES)"},
        {"PREFIX", "UPPER(PREFIX)"},    {"MIDDLE", "UPPER(MIDDLE)"},
        {"DELETED", "DELETED()"},       {"STATEZIP", "UPPER(STATE-ZIP)"},
        {"ISDEL", "ISDEL"},             {"NOTISDEL", "!ISDEL"}};
    std::vector<xbase::TagSpec> specs;
    for (const auto& t : list) specs.push_back(xbase::TagSpec{t[0], t[1], "", false});
    return specs;
  }();
  return tags;
}

const std::vector<const char*>& RequiredAddressTags() {
  static const std::vector<const char*> names = {
      "NAME",  "LNAME", "FNAME", "TITLE",  "ORG",     "STREET", "STREET2", "CITY",  "STATE",
      "ZIP",   "COUNTRY", "PHONE", "PHONE2", "EMAIL", "FAX",    "DATE",    "CODES", "PREFIX",
      "MIDDLE", "USER1", "USER2", "DELETED", "STATEZIP", "ISDEL", "NOTISDEL", "TAG"};
  return names;
}

QString DisplayLabel(const QString& field) {
  for (const AddressField& f : AddressFields()) {
    if (field.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) {
      return QString::fromUtf8(f.display_label);
    }
  }
  for (const ComputedField& f : kComputed) {
    if (field.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) {
      return QString::fromUtf8(f.display_label);
    }
  }
  return QString();
}

QString FieldForDisplayLabel(const QString& label) {
  // Computed fields first: "Date" is the shown date, not the stored key.
  for (const ComputedField& f : kComputed) {
    if (label.compare(QLatin1String(f.display_label), Qt::CaseInsensitive) == 0) {
      return QString::fromLatin1(f.name);
    }
  }
  for (const AddressField& f : AddressFields()) {
    if (*f.display_label != '\0' &&
        label.compare(QLatin1String(f.display_label), Qt::CaseInsensitive) == 0) {
      return QString::fromLatin1(f.name);
    }
  }
  return QString();
}

QString FullName(const FieldReader& field) {
  QString s = TrimRight(field("FNAME") + QLatin1Char(' ') + field("MIDDLE")) + QLatin1Char(' ') +
              field("LNAME");
  return s.left(kComputedNameWidth);
}

QString FullNameWithPrefix(const FieldReader& field) {
  QString s = TrimBoth(field("PREFIX") + QLatin1Char(' ') + field("FNAME") + QLatin1Char(' ') +
                       field("MIDDLE")) +
              QLatin1Char(' ') + field("LNAME");
  return s.left(kComputedNameWidth);
}

QString CityStateZip(const FieldReader& field) {
  QString s = TrimLeft(field("CITY") + QLatin1Char(' ')) + TrimLeft(field("STATE") + QLatin1Char(' ')) +
              field("ZIP");
  return s.left(kComputedNameWidth);
}

QString DisplayDate(const FieldReader& field) {
  return DisplayDateKey(field("DATE")).left(kDisplayDateWidth);
}

bool IsTagged(const FieldReader& field, const QString& tag_id) {
  return !tag_id.isEmpty() && TrimRight(field("TAG")) == tag_id;
}

FieldReader ReaderOf(const xbase::Table& table) {
  return [&table](const char* field) { return FromTable(table.GetTrimString(field)); };
}

FieldReader ReaderOf(const xbase::Record& record) {
  return [&record](const char* field) { return FromTable(record.GetTrimString(field)); };
}

}  // namespace vellumo
