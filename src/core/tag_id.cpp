// Making and storing tag ids.
#include "core/tag_id.h"

#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

constexpr int kMaxDigits = 6;

const QString kMisc = QStringLiteral("Misc");
const QString kGlobalTagId = QStringLiteral("GlobalTagId");

QString StoredTagId() { return SettingsFile(SettingsFilePath()).ReadString(kMisc, kGlobalTagId, QString()); }

bool StoreTagId(const QString& id, QString* error) {
  SettingsFile settings(SettingsFilePath());
  settings.WriteString(kMisc, kGlobalTagId, id);
  if (settings.Save()) return true;
  if (error) *error = settings.error();
  return false;
}

// A new id, different from `old`.
QString MakeNewTagId(const QString& old) {
  // Ids have one-second resolution; a renewal within the same second as the
  // last must still give a different id, or the records tagged in between
  // would stay tagged.
  const QDateTime when = QDateTime::currentDateTime();
  QString id = MakeTagId(when);
  for (int ahead = 1; id == old; ++ahead) id = MakeTagId(when.addSecs(ahead));
  return id;
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

QString CurrentTagId(QString* error) {
  const QString stored = StoredTagId();
  if (!stored.isEmpty()) return stored;
  const QString id = MakeNewTagId(stored);
  StoreTagId(id, error);
  return id;
}

bool RenewTagId(QString* id, QString* error) {
  const QString made = MakeNewTagId(StoredTagId());
  if (!StoreTagId(made, error)) return false;
  *id = made;
  return true;
}

}  // namespace vellumo
