// Tag ids: a record is tagged when its TAG field holds the current id. A new
// id is made from the local date and time, in base 36: the year minus 1995,
// then the ten digits month, day, hour, minute, second as one number.
#pragma once

#include <QDateTime>
#include <QString>

namespace vellumo {

// Digits "0"-"9", "A"-"Z", at most six, no leading zeros; 0 gives "".
QString ToBase36(qint64 value);
// For 15 March 2024 at 14:05:09: "T" + "57MJZ1" = "T57MJZ1".
QString MakeTagId(const QDateTime& when);

// The current tag id of the settings file, made and stored at once when
// there is none (section Misc, key GlobalTagId). When it cannot be stored,
// *error says why; the id made still serves until the program ends.
QString CurrentTagId(QString* error = nullptr);
// Makes a new id and stores it in *id: no record is tagged any more. False,
// with *error set and the stored id left as it was, when the settings file
// cannot be written; the old id then stays the current one.
[[nodiscard]] bool RenewTagId(QString* id, QString* error);

}  // namespace vellumo
