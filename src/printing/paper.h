// Paper sizes by the printer paper numbers the designs store (1 letter,
// 9 A4, 11 A5, 19 to 38 the envelopes) or custom sizes in inches.
#pragma once

#include <QPageSize>

namespace vellumo {

inline constexpr int kCustomPaper = 0;

// A custom size is requested in tenths of a millimetre: inches × 254, rounded.
int TenthsOfMillimetre(double inches);

// The page size of a paper number, or of width × height inches when the
// number is kCustomPaper; an invalid size for numbers no printer knows.
QPageSize PaperSize(int code, double width_inches, double height_inches);

}  // namespace vellumo
