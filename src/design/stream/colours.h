// Colours as design files store them: a 32-bit value, $00BBGGRR for a
// plain colour or $80000000 + n for system colour n, written under its name
// when it has one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "design/stream/named_values.h"

namespace vellumo::design {

using Colour = uint32_t;

inline constexpr Colour kClBlack = 0x000000;
inline constexpr Colour kClWhite = 0xFFFFFF;
inline constexpr Colour kClBlue = 0xFF0000;
inline constexpr Colour kClAqua = 0xFFFF00;
inline constexpr Colour kClGray = 0x808080;
inline constexpr Colour kClNone = 0x1FFFFFFF;
inline constexpr Colour kSystemColourBase = 0x80000000;

// The sixteen plain colours, the 25 system colours in number order, clNone.
std::span<const NamedValue> ColourNames();

// The first name of the colour, if it has one.
std::optional<std::string_view> ColourName(Colour colour);
// The colour of a name (any case), if it is one.
std::optional<Colour> ColourFromName(std::string_view name);

}  // namespace vellumo::design
