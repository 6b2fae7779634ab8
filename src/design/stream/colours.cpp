// The colour-name table.
#include "design/stream/colours.h"

#include <array>

namespace vellumo::design {

namespace {

constexpr int32_t System(int n) { return static_cast<int32_t>(kSystemColourBase + static_cast<uint32_t>(n)); }

constexpr std::array<NamedValue, 42> kColourNames = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clScrollBar", System(0)},
    {"clBackground", System(1)},
    {"clActiveCaption", System(2)},
    {"clInactiveCaption", System(3)},
    {"clMenu", System(4)},
    {"clWindow", System(5)},
    {"clWindowFrame", System(6)},
    {"clMenuText", System(7)},
    {"clWindowText", System(8)},
    {"clCaptionText", System(9)},
    {"clActiveBorder", System(10)},
    {"clInactiveBorder", System(11)},
    {"clAppWorkSpace", System(12)},
    {"clHighlight", System(13)},
    {"clHighlightText", System(14)},
    {"clBtnFace", System(15)},
    {"clBtnShadow", System(16)},
    {"clGrayText", System(17)},
    {"clBtnText", System(18)},
    {"clInactiveCaptionText", System(19)},
    {"clBtnHighlight", System(20)},
    {"cl3DDkShadow", System(21)},
    {"cl3DLight", System(22)},
    {"clInfoText", System(23)},
    {"clInfoBk", System(24)},
    {"clNone", static_cast<int32_t>(kClNone)},
}};

}  // namespace

std::span<const NamedValue> ColourNames() { return kColourNames; }

std::optional<std::string_view> ColourName(Colour colour) {
  return NameOfValue(kColourNames, static_cast<int32_t>(colour));
}

std::optional<Colour> ColourFromName(std::string_view name) {
  std::optional<int32_t> value = ValueOfName(kColourNames, name);
  if (!value) return std::nullopt;
  return static_cast<Colour>(*value);
}

}  // namespace vellumo::design
