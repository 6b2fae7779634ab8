// Reading and recording the recent-file list.
#include "core/recent_files.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

const QString kSection = QStringLiteral("MRU");
QString ItemKey(int i) { return QStringLiteral("Item%1").arg(i); }

}  // namespace

QStringList ReadRecentFiles() {
  SettingsFile settings(SettingsFilePath());
  QStringList list;
  for (int i = 1; i <= kMaxRecentFiles; ++i) {
    QString item = settings.ReadString(kSection, ItemKey(i), QString());
    if (!item.isEmpty()) list << item;
  }
  return list;
}

QStringList WithRecentFile(const QStringList& list, const QString& path) {
  QStringList result{path};
  for (const QString& item : list) {
    if (result.size() == kMaxRecentFiles) break;
    if (item != path) result << item;
  }
  return result;
}

QStringList RecordRecentFile(const QString& path) {
  QStringList list = WithRecentFile(ReadRecentFiles(), path);
  SettingsFile settings(SettingsFilePath());
  for (int i = 0; i < list.size(); ++i) settings.WriteString(kSection, ItemKey(i + 1), list[i]);
  settings.SaveOrTell();
  return list;
}

}  // namespace vellumo
