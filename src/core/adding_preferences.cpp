// Reading and writing the "Adding" section. Keys keep their historical
// spelling (SkipfirstName, Skiptitle, Skipcomments2) so that existing
// settings files keep working.
#include "core/adding_preferences.h"

#include <array>
#include <utility>

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kSection = QStringLiteral("Adding");

using Flag = bool AddingPreferences::*;
constexpr std::array<std::pair<const char*, Flag>, 28> kFlags{{
    {"PlugDate", &AddingPreferences::plug_date},
    {"PlugCityState", &AddingPreferences::plug_city_state},
    {"AutoDupCheck", &AddingPreferences::auto_dup_check},
    {"CarryOrg", &AddingPreferences::carry_org},
    {"CarrySA1", &AddingPreferences::carry_street1},
    {"CarrySA2", &AddingPreferences::carry_street2},
    {"CarryCity", &AddingPreferences::carry_city},
    {"CarryState", &AddingPreferences::carry_state},
    {"CarryZip", &AddingPreferences::carry_zip},
    {"CarryCountry", &AddingPreferences::carry_country},
    {"SkipOrganization", &AddingPreferences::skip_organization},
    {"SkipPhone1", &AddingPreferences::skip_phone1},
    {"SkipEmail", &AddingPreferences::skip_email},
    {"SkipState", &AddingPreferences::skip_state},
    {"SkipZip", &AddingPreferences::skip_zip},
    {"SkipCountry", &AddingPreferences::skip_country},
    {"SkipAddress2", &AddingPreferences::skip_address2},
    {"SkipLastName", &AddingPreferences::skip_last_name},
    {"SkipMiddleInitial", &AddingPreferences::skip_middle_initial},
    {"SkipfirstName", &AddingPreferences::skip_first_name},
    {"Skiptitle", &AddingPreferences::skip_title},
    {"SkipPhone2", &AddingPreferences::skip_phone2},
    {"SkipFax", &AddingPreferences::skip_fax},
    {"SkipCodes", &AddingPreferences::skip_codes},
    {"SkipPrefix", &AddingPreferences::skip_prefix},
    {"SkipComments1", &AddingPreferences::skip_comments1},
    {"SkipDate", &AddingPreferences::skip_date},
    {"Skipcomments2", &AddingPreferences::skip_comments2},
}};

}  // namespace

AddingPreferences AddingPreferences::Load() {
  SettingsFile settings(SettingsFilePath());
  AddingPreferences prefs;
  for (const auto& [key, flag] : kFlags) {
    prefs.*flag = settings.ReadBool(kSection, QString::fromLatin1(key), false);
  }
  prefs.default_country = settings.ReadString(kSection, QStringLiteral("DefaultCountry"), QString());
  return prefs;
}

bool AddingPreferences::Save() const {
  SettingsFile settings(SettingsFilePath());
  for (const auto& [key, flag] : kFlags) settings.WriteBool(kSection, QString::fromLatin1(key), this->*flag);
  settings.WriteString(kSection, QStringLiteral("DefaultCountry"), default_country);
  return settings.Save();
}

}  // namespace vellumo
