// Making and storing tag ids.
#include "core/tag_id.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

constexpr int kMaxDigits = 6;

void StoreTagId(const QString& id) {
  SettingsFile settings(SettingsFilePath());
  settings.WriteString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), id);
  settings.Save();
}

}  // namespace

QString ToBase36(qint64 value) {
  static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  QString out;
  while (value > 0 && out.size() < kMaxDigits) {
    out.prepend(QLatin1Char(kDigits[value % 36]));
    value /= 36;
  }
  return out;
}

QString MakeTagId(const QDateTime& when) {
  QDate d = when.date();
  QTime t = when.time();
  qint64 stamp = ((((d.month() * 100LL + d.day()) * 100 + t.hour()) * 100 + t.minute()) * 100) +
                 t.second();
  return ToBase36(d.year() - 1995) + ToBase36(stamp);
}

QString CurrentTagId() {
  SettingsFile settings(SettingsFilePath());
  QString id = settings.ReadString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), QString());
  if (id.isEmpty()) return RenewTagId();
  return id;
}

QString RenewTagId() {
  // Ids have one-second resolution; a renewal within the same second as the
  // last must still give a different id, or the records tagged in between
  // would stay tagged.
  QString old = SettingsFile(SettingsFilePath())
                    .ReadString(QStringLiteral("Misc"), QStringLiteral("GlobalTagId"), QString());
  QDateTime when = QDateTime::currentDateTime();
  QString id = MakeTagId(when);
  for (int ahead = 1; id == old; ++ahead) id = MakeTagId(when.addSecs(ahead));
  StoreTagId(id);
  return id;
}

}  // namespace vellumo
