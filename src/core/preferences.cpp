// Reading and writing the preference groups of the settings file.
#include "core/preferences.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kMisc = QStringLiteral("Misc");
const QString kDialing = QStringLiteral("Dialing");

}  // namespace

bool ReadGettingStartedSuppressed() {
  return SettingsFile(SettingsFilePath()).ReadBool(kMisc, QStringLiteral("GettingStarted"), false);
}

void WriteGettingStartedSuppressed(bool suppressed) {
  SettingsFile s(SettingsFilePath());
  s.WriteBool(kMisc, QStringLiteral("GettingStarted"), suppressed);
  s.SaveOrTell();
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
  s.SaveOrTell();
}

}  // namespace vellumo
