// Placement records in the settings file and the rules that apply them.
#include "core/window_placement.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {

QString PlacementSection(const QString& window_class, int pixels_per_inch) {
  QString section = window_class + QStringLiteral("_Placement");
  if (pixels_per_inch > 96) section += QString::number(pixels_per_inch);
  return section;
}

WindowPlacement ReadPlacement(const QString& section, bool maximized_default) {
  SettingsFile s(SettingsFilePath());
  WindowPlacement p;
  p.left = s.ReadInt(section, QStringLiteral("Left"), 0);
  p.top = s.ReadInt(section, QStringLiteral("Top"), 0);
  p.right = s.ReadInt(section, QStringLiteral("Right"), 0);
  p.bottom = s.ReadInt(section, QStringLiteral("Bottom"), 0);
  p.maximized = s.ReadBool(section, QStringLiteral("Maximized"), maximized_default);
  return p;
}

void WritePlacement(const QString& section, const WindowPlacement& p) {
  SettingsFile s(SettingsFilePath());
  s.WriteInt(section, QStringLiteral("Left"), p.left);
  s.WriteInt(section, QStringLiteral("Top"), p.top);
  s.WriteInt(section, QStringLiteral("Right"), p.right);
  s.WriteInt(section, QStringLiteral("Bottom"), p.bottom);
  s.WriteBool(section, QStringLiteral("Maximized"), p.maximized);
  s.SaveOrTell();
}

WindowPlacement FitToScreen(WindowPlacement p, int screen_width, int screen_height) {
  if (p.right > screen_width) {
    p.left += screen_width - p.right;
    p.right = screen_width;
  }
  if (p.bottom > screen_height) {
    p.top += screen_height - p.bottom;
    p.bottom = screen_height;
  }
  return p;
}

QRect CentredOver(const QRect& main, bool main_maximized_or_self, const QSize& size,
                  const QRect& screen) {
  const QRect& over = main_maximized_or_self ? screen : main;
  int left = over.left() + (over.width() - size.width()) / 2;
  int top = over.top() + (over.height() - size.height()) / 2;
  return QRect(QPoint(left, top), size);
}

}  // namespace vellumo
