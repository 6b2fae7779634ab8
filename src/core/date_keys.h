// Date keys: the 8-digit YYYYMMDD texts kept in an address's DATE field,
// shown in the short-date format and parsed back from typed dates.
#pragma once

#include <QDate>
#include <QString>

namespace vellumo {

// The program's own short-date format, used when the locale offers none.
inline constexpr const char* kProgramShortDateFormat = "MM/dd/yyyy";

// True when characters 1-4, 5-6 and 7-8 are whole numbers forming a real
// calendar date; characters after the eighth are ignored.
bool IsDateKey(const QString& text);
QDate DateFromKey(const QString& key);  // invalid when not a date key
QString DateKey(const QDate& date);     // "" for an invalid date

// The short-date display format, read once: $VELLUMO_SHORT_DATE when set,
// else the locale's short format with four-digit years, else (in the C
// locale) the program's format "MM/dd/yyyy".
QString ShortDateFormat();
// For tests: force the display format ("" goes back to the default).
void SetShortDateFormat(const QString& format);

// The key in display format; "" for an empty or invalid key.
QString DisplayDateKey(const QString& key);
// A valid key unchanged; another non-empty text that reads as a date in the
// display format (or in ISO form) as its key; otherwise "".
QString NormaliseDateKey(const QString& text);

}  // namespace vellumo
