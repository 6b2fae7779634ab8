// The application home: the folder that holds "VELLUMO.ini", "DATA/" with
// the address databases and "sysdata/" with the system tables. Chosen once
// at start: --home DIR, else $VELLUMO_HOME, else the executable's folder when
// writable, else the per-user data folder. The chosen home is seeded with
// the delivered data files it lacks.
#pragma once

#include <QString>
#include <QStringList>

namespace vellumo {

struct HomeCandidates {
  QString option_home;       // from --home, "" when not given
  QString environment_home;  // $VELLUMO_HOME, "" when unset
  QString executable_dir;
  bool executable_dir_writable = false;
  QString user_data_dir;
};

// The folder chosen from the candidates, in the order above.
QString ChooseHome(const HomeCandidates& candidates);

// The value of --home DIR or --home=DIR in `arguments`, "" when absent.
QString HomeOption(const QStringList& arguments);

// Chooses the home for this process from its arguments and environment,
// creates it with DATA/ and sysdata/, and copies in the delivered files
// sysdata lacks. False with a message when the folders cannot be made.
[[nodiscard]] bool InitialiseApplicationHome(const QStringList& arguments, QString* error);

// Copies each delivered file of `delivered_dir` that `sysdata_dir` lacks.
[[nodiscard]] bool SeedDeliveredData(const QString& delivered_dir, const QString& sysdata_dir, QString* error);

// The folder of the delivered data files: $VELLUMO_DATA_DIR, else the
// installed share folder beside the executable, else the build's own.
QString DeliveredDataDirectory();

// The application home, ending in "/". Before initialisation: the
// executable's folder.
QString ProgramDirectory();
// For tests and tools: use `dir` as the home from now on.
void SetProgramDirectory(const QString& dir);

QString SettingsFilePath();      // ProgramDirectory() + "VELLUMO.ini"
QString DataDirectory();         // ProgramDirectory() + "DATA/"
QString SystemDataDirectory();   // ProgramDirectory() + "sysdata/"

}  // namespace vellumo
