// Settings groups of the settings file beyond paths, placement and the
// adding preferences: start-up settings (Misc) and the dialer's (Dialing).
// The writers tell the user when the settings file cannot be written.
#pragma once

#include <QString>

namespace vellumo {

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
