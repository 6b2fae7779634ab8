// Settings groups of the settings file beyond paths and placement: the
// adding preferences (section Adding), start-up and tag settings (Misc) and
// the dialer's (Dialing). Keys are written exactly as older files spell
// them, irregular capitals included.
#pragma once

#include <QString>
#include <array>

namespace vellumo {

struct AddingPreferences {
  // The boolean keys of section Adding, in the order of this array.
  static constexpr int kFlagCount = 28;
  static const std::array<const char*, kFlagCount>& FlagKeys();

  std::array<bool, kFlagCount> flags{};
  QString default_country;

  // The flag of `key` (e.g. "CarryZip"); false for an unknown key.
  bool Flag(const QString& key) const;
  void SetFlag(const QString& key, bool value);
  bool operator==(const AddingPreferences&) const = default;
};

AddingPreferences ReadAddingPreferences();
void WriteAddingPreferences(const AddingPreferences& preferences);

// Misc/GettingStarted: true hides the getting-started screen at start.
bool ReadGettingStartedSuppressed();
void WriteGettingStartedSuppressed(bool suppressed);

struct DialingSettings {
  QString prefix;
  QString init;
  QString port;
  int method = 0;
  bool use_tapi = false;
  bool operator==(const DialingSettings&) const = default;
};

DialingSettings ReadDialingSettings();
void WriteDialingSettings(const DialingSettings& settings);

}  // namespace vellumo
