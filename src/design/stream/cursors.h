// Mouse cursors as design files store them: the standard cursor numbers,
// written under their names (crDefault 0, crNone -1 ... crHandPoint -21,
// crSizeAll -22), any other number as an integer. crSize is read as -22 too;
// -5 has no name and stays a number.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "design/stream/named_values.h"

namespace vellumo::design {

using CursorId = int32_t;

inline constexpr CursorId kCrDefault = 0;

std::span<const NamedValue> CursorNames();

std::optional<std::string_view> CursorName(CursorId cursor);
std::optional<CursorId> CursorFromName(std::string_view name);

}  // namespace vellumo::design
