// The list of recently opened address databases (section MRU, keys Item1 to
// Item4), most recent first.
#pragma once

#include <QStringList>

namespace vellumo {

inline constexpr int kMaxRecentFiles = 4;

QStringList ReadRecentFiles();
// `path` first, then the old entries that differ from it (exact text
// comparison), at most four in all; written back at once (a settings file
// that cannot be written is told to the user).
QStringList RecordRecentFile(const QString& path);

// The same rule on a list, for callers that hold one.
QStringList WithRecentFile(const QStringList& list, const QString& path);

}  // namespace vellumo
