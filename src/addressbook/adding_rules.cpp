// Carry-forward, default country, focus and skip rules of adding.
#include "addressbook/adding_rules.h"

#include <utility>

#include "core/date_keys.h"

namespace vellumo {

AddressRecord NewRecordValues(const AddingPreferences& prefs, const AddressRecord& previous,
                              const NewRecordRequest& request, const QString& found_city,
                              const QString& found_state, const QDate& today) {
  AddressRecord r;
  r.Set(QStringLiteral("FNAME"), request.first_name);
  r.Set(QStringLiteral("LNAME"), request.last_name);
  r.Set(QStringLiteral("ZIP"), request.zip);
  r.Set(QStringLiteral("CITY"), found_city);
  r.Set(QStringLiteral("STATE"), found_state);
  auto carry = [&](bool on, const char* field) {
    if (on) r.Set(QLatin1String(field), previous.Get(QLatin1String(field)));
  };
  carry(prefs.carry_zip && request.zip.isEmpty(), "ZIP");
  carry(prefs.carry_city && found_city.isEmpty(), "CITY");
  carry(prefs.carry_state && found_state.isEmpty(), "STATE");
  carry(prefs.carry_country, "COUNTRY");
  carry(prefs.carry_street1, "STREET");
  carry(prefs.carry_street2, "STREET2");
  if (r.Get(QStringLiteral("COUNTRY")).isEmpty() && !prefs.default_country.isEmpty()) {
    r.Set(QStringLiteral("COUNTRY"), prefs.default_country);
  }
  if (prefs.plug_date) r.Set(QStringLiteral("DATE"), DateKey(today));
  carry(prefs.carry_org, "ORG");
  return r;
}

QString FirstFocusField(const AddingPreferences& prefs, const AddressRecord& record) {
  if (!prefs.skip_last_name && record.Get(QStringLiteral("LNAME")).isEmpty()) return QStringLiteral("LNAME");
  if (!prefs.skip_first_name && record.Get(QStringLiteral("FNAME")).isEmpty()) return QStringLiteral("FNAME");
  const std::pair<bool, const char*> in_turn[] = {{prefs.skip_middle_initial, "MIDDLE"},
                                                  {prefs.skip_prefix, "PREFIX"},
                                                  {prefs.skip_title, "TITLE"},
                                                  {prefs.skip_organization, "ORG"}};
  for (const auto& [skipped, field] : in_turn) {
    if (!skipped) return QLatin1String(field);
  }
  return QStringLiteral("STREET");
}

QStringList SkippedFields(const AddingPreferences& prefs) {
  const std::pair<bool, const char*> fields[] = {
      {prefs.skip_last_name, "LNAME"},  {prefs.skip_first_name, "FNAME"}, {prefs.skip_middle_initial, "MIDDLE"},
      {prefs.skip_organization, "ORG"}, {prefs.skip_phone1, "PHONE"},     {prefs.skip_email, "EMAIL"},
      {prefs.skip_state, "STATE"},      {prefs.skip_zip, "ZIP"},          {prefs.skip_country, "COUNTRY"},
      {prefs.skip_address2, "STREET2"}, {prefs.skip_title, "TITLE"},      {prefs.skip_phone2, "PHONE2"},
      {prefs.skip_fax, "FAX"},          {prefs.skip_codes, "CODES"},      {prefs.skip_prefix, "PREFIX"},
      {prefs.skip_comments1, "USER1"},  {prefs.skip_date, "DATE"},        {prefs.skip_comments2, "USER2"}};
  QStringList skipped;
  for (const auto& [skip, field] : fields) {
    if (skip) skipped << QLatin1String(field);
  }
  return skipped;
}

}  // namespace vellumo
