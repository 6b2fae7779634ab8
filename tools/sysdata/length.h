// Lengths as label templates write them ("2.625in", "66.7mm", "12pt"),
// converted to inches, the unit of every length in our tables.
#pragma once

#include <string_view>

#include "xbase/status.h"

namespace sysdata {

// Accepts a decimal number followed by one of the units pt, in, mm, cm, pc;
// a bare number is in points. Leading and trailing blanks are ignored.
xbase::Status ParseLength(std::string_view text, double* inches);

}  // namespace sysdata
