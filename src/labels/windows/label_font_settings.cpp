// The label default font in the settings file.
#include "label_font_settings.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kSection = QStringLiteral("Label");
const QString kName = QStringLiteral("DefaultFontName");
const QString kSize = QStringLiteral("DefaultFontSize");
const QString kBold = QStringLiteral("DefaultFontBold");
const QString kItalic = QStringLiteral("DefaultFontItalic");
constexpr int kDefaultPoints = 10;

}  // namespace

QFont ReadLabelDefaultFont() {
  const SettingsFile settings(SettingsFilePath());
  QFont font(settings.ReadString(kSection, kName, QStringLiteral("Arial")));
  const int points = settings.ReadInt(kSection, kSize, kDefaultPoints);
  font.setPointSize(points > 0 ? points : kDefaultPoints);
  font.setBold(settings.ReadBool(kSection, kBold, false));
  font.setItalic(settings.ReadBool(kSection, kItalic, false));
  return font;
}

void WriteLabelDefaultFont(const QFont& font) {
  SettingsFile settings(SettingsFilePath());
  settings.WriteString(kSection, kName, font.family());
  settings.WriteInt(kSection, kSize, font.pointSize());
  settings.WriteBool(kSection, kBold, font.bold());
  settings.WriteBool(kSection, kItalic, font.italic());
  settings.SaveOrTell();
}

}  // namespace vellumo
