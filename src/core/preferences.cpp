// Reading and writing the preference groups of the settings file.
#include "core/preferences.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kAdding = QStringLiteral("Adding");
const QString kMisc = QStringLiteral("Misc");
const QString kDialing = QStringLiteral("Dialing");

int FlagIndex(const QString& key) {
  const auto& keys = AddingPreferences::FlagKeys();
  for (int i = 0; i < AddingPreferences::kFlagCount; ++i) {
    if (key.compare(QLatin1String(keys[i]), Qt::CaseInsensitive) == 0) return i;
  }
  return -1;
}

}  // namespace

const std::array<const char*, AddingPreferences::kFlagCount>& AddingPreferences::FlagKeys() {
  static const std::array<const char*, kFlagCount> keys = {
      "PlugDate",     "PlugCityState",   "AutoDupCheck",      "CarryOrg",      "CarrySA1",
      "CarrySA2",     "CarryCity",       "CarryState",        "CarryZip",      "CarryCountry",
      "SkipOrganization", "SkipPhone1",  "SkipEmail",         "SkipState",     "SkipZip",
      "SkipCountry",  "SkipAddress2",    "SkipLastName",      "SkipMiddleInitial", "SkipfirstName",
      "Skiptitle",    "SkipPhone2",      "SkipFax",           "SkipCodes",     "SkipPrefix",
      "SkipComments1", "SkipDate",       "Skipcomments2"};
  return keys;
}

bool AddingPreferences::Flag(const QString& key) const {
  int i = FlagIndex(key);
  return i >= 0 && flags[i];
}

void AddingPreferences::SetFlag(const QString& key, bool value) {
  int i = FlagIndex(key);
  if (i >= 0) flags[i] = value;
}

AddingPreferences ReadAddingPreferences() {
  SettingsFile s(SettingsFilePath());
  AddingPreferences p;
  for (int i = 0; i < AddingPreferences::kFlagCount; ++i) {
    p.flags[i] = s.ReadBool(kAdding, QLatin1String(AddingPreferences::FlagKeys()[i]), false);
  }
  p.default_country = s.ReadString(kAdding, QStringLiteral("DefaultCountry"), QString());
  return p;
}

void WriteAddingPreferences(const AddingPreferences& p) {
  SettingsFile s(SettingsFilePath());
  for (int i = 0; i < AddingPreferences::kFlagCount; ++i) {
    s.WriteBool(kAdding, QLatin1String(AddingPreferences::FlagKeys()[i]), p.flags[i]);
  }
  s.WriteString(kAdding, QStringLiteral("DefaultCountry"), p.default_country);
  s.Save();
}

bool ReadGettingStartedSuppressed() {
  return SettingsFile(SettingsFilePath()).ReadBool(kMisc, QStringLiteral("GettingStarted"), false);
}

void WriteGettingStartedSuppressed(bool suppressed) {
  SettingsFile s(SettingsFilePath());
  s.WriteBool(kMisc, QStringLiteral("GettingStarted"), suppressed);
  s.Save();
}

DialingSettings ReadDialingSettings() {
  SettingsFile s(SettingsFilePath());
  DialingSettings d;
  d.prefix = s.ReadString(kDialing, QStringLiteral("Prefix"), QString());
  d.init = s.ReadString(kDialing, QStringLiteral("Init"), QString());
  d.port = s.ReadString(kDialing, QStringLiteral("Port"), QString());
  d.method = s.ReadInt(kDialing, QStringLiteral("Method"), 0);
  d.use_tapi = s.ReadBool(kDialing, QStringLiteral("UseTAPI"), false);
  return d;
}

void WriteDialingSettings(const DialingSettings& d) {
  SettingsFile s(SettingsFilePath());
  s.WriteString(kDialing, QStringLiteral("Prefix"), d.prefix);
  s.WriteString(kDialing, QStringLiteral("Init"), d.init);
  s.WriteString(kDialing, QStringLiteral("Port"), d.port);
  s.WriteInt(kDialing, QStringLiteral("Method"), d.method);
  s.WriteBool(kDialing, QStringLiteral("UseTAPI"), d.use_tapi);
  s.Save();
}

}  // namespace vellumo
