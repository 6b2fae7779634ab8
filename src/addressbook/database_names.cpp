// Database names and paths.
#include "addressbook/database_names.h"

#include <QDir>
#include <QSet>

#include "core/application_home.h"

namespace vellumo {

namespace {
constexpr int kMaxProposedNumber = 9999;
}

QString ProposeNewDatabaseName() {
  // Names are compared without regard to case, so that add0001.DBF takes
  // ADD0001 as well.
  QSet<QString> taken;
  for (const QString& file : QDir(DataDirectory()).entryList(QDir::Files)) taken.insert(file.toUpper());
  for (int i = 1; i <= kMaxProposedNumber; ++i) {
    QString name = QStringLiteral("ADD%1").arg(i, 4, 10, QLatin1Char('0'));
    if (!taken.contains(name + QStringLiteral(".DBF"))) return name;
  }
  return QStringLiteral("ADD0001");
}

bool IsValidDatabaseName(const QString& name) {
  if (name.isEmpty() || name.size() > kMaxDatabaseNameLength) return false;
  auto is_letter = [](QChar c) {
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           c == QLatin1Char('_');
  };
  if (!is_letter(name[0])) return false;
  for (QChar c : name) {
    if (!is_letter(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'))) return false;
  }
  return true;
}

QString InvalidDatabaseNameText() {
  return QStringLiteral("Invalid name. Must start with A..Z, followed by A..Z,0..9 or \"_\" (underscore)");
}

QString DatabasePathForName(const QString& name) { return DataDirectory() + name + QStringLiteral(".DBF"); }

bool IsDbfFileName(const QString& path) {
  return path.endsWith(QStringLiteral(".DBF"), Qt::CaseInsensitive);
}

QString FirstDatabasePath() { return DataDirectory() + QStringLiteral("add0001.DBF"); }

}  // namespace vellumo
