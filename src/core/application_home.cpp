// Choosing, creating and seeding the application home.
#include "core/application_home.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vellumo {
namespace {

QString program_directory;

QString WithSlash(QString dir) {
  dir = QDir::cleanPath(QDir(dir).absolutePath());
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

QString ExecutableDirectory() {
  QString dir = QCoreApplication::applicationDirPath();
  return dir.isEmpty() ? QDir::currentPath() : dir;
}

bool IsWritableDirectory(const QString& dir) {
  QFileInfo info(dir);
  return info.isDir() && info.isWritable();
}

}  // namespace

QString ChooseHome(const HomeCandidates& c) {
  if (!c.option_home.isEmpty()) return WithSlash(c.option_home);
  if (!c.environment_home.isEmpty()) return WithSlash(c.environment_home);
  if (c.executable_dir_writable) return WithSlash(c.executable_dir);
  return WithSlash(c.user_data_dir);
}

QString HomeOption(const QStringList& arguments) {
  for (int i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--home") && i + 1 < arguments.size()) return arguments[i + 1];
    if (arguments[i].startsWith(QLatin1String("--home="))) return arguments[i].mid(7);
  }
  return QString();
}

bool SeedDeliveredData(const QString& delivered_dir, const QString& sysdata_dir, QString* error) {
  QDir source(delivered_dir);
  if (delivered_dir.isEmpty() || !source.exists()) return true;  // nothing delivered to copy
  for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
    QString target = QDir(sysdata_dir).filePath(file.fileName());
    if (QFileInfo::exists(target)) continue;
    QFile in(file.absoluteFilePath());
    if (!in.copy(target)) {
      *error = QStringLiteral("Unable to copy %1 to %2: %3")
                   .arg(file.absoluteFilePath(), target, in.errorString());
      return false;
    }
    // Delivered files may be installed read-only; the copy is the user's.
    QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
  }
  return true;
}

QString DeliveredDataDirectory() {
  QString from_environment = qEnvironmentVariable("VELLUMO_DATA_DIR");
  if (!from_environment.isEmpty()) return from_environment;
  QString installed = QDir(ExecutableDirectory()).filePath(QStringLiteral("../share/vellumo/sysdata"));
  if (QFileInfo(installed).isDir()) return QDir::cleanPath(installed);
#ifdef VELLUMO_BUILD_DATA_DIR
  return QStringLiteral(VELLUMO_BUILD_DATA_DIR);
#else
  return QString();
#endif
}

bool InitialiseApplicationHome(const QStringList& arguments, QString* error) {
  HomeCandidates c;
  c.option_home = HomeOption(arguments);
  c.environment_home = qEnvironmentVariable("VELLUMO_HOME");
  c.executable_dir = ExecutableDirectory();
  c.executable_dir_writable = IsWritableDirectory(c.executable_dir);
  c.user_data_dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  QString home = ChooseHome(c);
  for (const QString& dir : {home, home + QStringLiteral("DATA"), home + QStringLiteral("sysdata")}) {
    if (!QDir().mkpath(dir)) {
      *error = QStringLiteral("Unable to create the folder %1").arg(dir);
      return false;
    }
  }
  SetProgramDirectory(home);
  return SeedDeliveredData(DeliveredDataDirectory(), SystemDataDirectory(), error);
}

QString ProgramDirectory() {
  if (program_directory.isEmpty()) program_directory = WithSlash(ExecutableDirectory());
  return program_directory;
}

void SetProgramDirectory(const QString& dir) { program_directory = WithSlash(dir); }

QString SettingsFilePath() { return ProgramDirectory() + QStringLiteral("VELLUMO.ini"); }
QString DataDirectory() { return ProgramDirectory() + QStringLiteral("DATA/"); }
QString SystemDataDirectory() { return ProgramDirectory() + QStringLiteral("sysdata/"); }

}  // namespace vellumo
