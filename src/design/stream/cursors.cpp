// The cursor-name table. The first entry of a number is the name it is
// written under; crSize follows crSizeAll so that it is only read.
#include "design/stream/cursors.h"

#include <array>

namespace vellumo::design {

namespace {

constexpr std::array<NamedValue, 23> kCursorNames = {{
    {"crDefault", 0},
    {"crNone", -1},
    {"crArrow", -2},
    {"crCross", -3},
    {"crIBeam", -4},
    {"crSizeNESW", -6},
    {"crSizeNS", -7},
    {"crSizeNWSE", -8},
    {"crSizeWE", -9},
    {"crUpArrow", -10},
    {"crHourGlass", -11},
    {"crDrag", -12},
    {"crNoDrop", -13},
    {"crHSplit", -14},
    {"crVSplit", -15},
    {"crMultiDrag", -16},
    {"crSQLWait", -17},
    {"crNo", -18},
    {"crAppStart", -19},
    {"crHelp", -20},
    {"crHandPoint", -21},
    {"crSizeAll", -22},
    {"crSize", -22},
}};

}  // namespace

std::span<const NamedValue> CursorNames() { return kCursorNames; }

std::optional<std::string_view> CursorName(CursorId cursor) { return NameOfValue(kCursorNames, cursor); }

std::optional<CursorId> CursorFromName(std::string_view name) { return ValueOfName(kCursorNames, name); }

}  // namespace vellumo::design
