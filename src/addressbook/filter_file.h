// Filter files (*.FLT): the conditions of the filter window saved as text,
// 20 lines ended by CR LF — the 18 condition texts in the order of the
// window's edits, then "T" or "F" for "Tagged" and for "Reverse". The
// conditions are stored, not the expression, so a restored filter is
// rebuilt with the tag id current when it is restored.
#pragma once

#include <QString>

#include "core/filter_expression.h"

namespace vellumo {

// The field expressions of the file's first 18 lines, in order.
const std::array<const char*, FilterConditions::kCount>& FilterFileSlots();

// The file name a save uses for the name the user chose: it as given when
// its extension is .FLT (any case), + ".FLT" when it has no "." at all;
// otherwise "" with *error set to "Must have a .FLT extension".
QString FilterSaveName(const QString& chosen, QString* error);
// The extension, in upper case, is ".FLT".
bool IsFilterFileName(const QString& path);

// Writes the 20 lines; false with a readable *error when the file cannot be
// written.
[[nodiscard]] bool SaveFilterTo(const QString& path, const FilterConditions& conditions, QString* error);
// Reads a filter file: missing lines count as empty, extra lines are
// ignored, and a flag is set only by a line that is exactly "T".
[[nodiscard]] bool RestoreFilterFrom(const QString& path, FilterConditions* conditions, QString* error);

}  // namespace vellumo
