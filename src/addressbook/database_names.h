// Names and paths of address databases: the name proposed for a new one,
// which names are allowed, and the database opened at start.
#pragma once

#include <QString>

namespace vellumo {

inline constexpr int kMaxDatabaseNameLength = 8;

// "ADD" + the first number from 0001 to 9999 whose DATA/ADDnnnn.DBF does
// not exist in any letter case; "ADD0001" when all do.
QString ProposeNewDatabaseName();
// A letter or "_" first, then letters, digits or "_"; at most 8 characters.
bool IsValidDatabaseName(const QString& name);
// Shown while the name is not valid.
QString InvalidDatabaseNameText();
// DATA/ + name + ".DBF".
QString DatabasePathForName(const QString& name);
// The extension, in upper case, is ".DBF".
bool IsDbfFileName(const QString& path);
// The first database, opened (and created when missing) at start when the
// recent-file list is empty: DATA/add0001.DBF.
QString FirstDatabasePath();

}  // namespace vellumo
