// The nested objects that many design objects store: a font, a pen and a
// brush, each written as "<outer>.<member>" entries at the outer
// property's place. Objects keep one of these per nested property, set
// its defaults in their constructor, write it with one call and hand every
// "Font.", "Pen." or "Brush." entry they read to the matching Read call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "design/stream/colours.h"
#include "design/stream/property_reader.h"
#include "design/stream/property_writer.h"

namespace vellumo::design {

enum class FontPitch { kDefault, kVariable, kFixed };

// Bits of StoredFont::style.
inline constexpr uint32_t kFontBold = 1u << 0;
inline constexpr uint32_t kFontItalic = 1u << 1;
inline constexpr uint32_t kFontUnderline = 1u << 2;
inline constexpr uint32_t kFontStrikeOut = 1u << 3;

struct StoredFont {
  Colour colour = kClBlack;
  int32_t height = 0;  // design units, negative for a character height (see font_size.h)
  std::string name;
  FontPitch pitch = FontPitch::kDefault;
  uint32_t style = 0;

  bool operator==(const StoredFont&) const = default;
};

enum class PenMode {
  kBlack, kWhite, kNop, kNot, kCopy, kNotCopy, kMergePenNot, kMaskPenNot,
  kMergeNotPen, kMaskNotPen, kMerge, kNotMerge, kMask, kNotMask, kXor, kNotXor,
};
enum class PenStyle { kSolid, kDash, kDot, kDashDot, kDashDotDot, kClear, kInsideFrame };

struct StoredPen {
  Colour colour = kClBlack;
  PenMode mode = PenMode::kCopy;
  PenStyle style = PenStyle::kSolid;
  int32_t width = 1;

  bool operator==(const StoredPen&) const = default;
};

enum class BrushStyle { kSolid, kClear, kHorizontal, kVertical, kFDiagonal, kBDiagonal, kCross, kDiagCross };

struct StoredBrush {
  Colour colour = kClWhite;
  BrushStyle style = BrushStyle::kSolid;

  bool operator==(const StoredBrush&) const = default;
};

// Color and Height always, Name if set, Pitch if not fpDefault, Style always.
void WriteFont(PropertyWriter& writer, std::string_view outer, const StoredFont& font);
// Each member only when it differs from a new pen (clBlack, pmCopy, psSolid, 1).
void WritePen(PropertyWriter& writer, std::string_view outer, const StoredPen& pen);
// Each member only when it differs from a new brush (clWhite, bsSolid).
void WriteBrush(PropertyWriter& writer, std::string_view outer, const StoredBrush& brush);

// Applies one stored entry named "<outer>.<member>" to the nested object.
// REQUIRES: property.name starts with outer and a dot. A member the nested
// object does not have is an unknown property of the object.
Status ReadFont(const PropertyReader& reader, const StoredProperty& property, std::string_view outer,
                StoredFont* font);
Status ReadPen(const PropertyReader& reader, const StoredProperty& property, std::string_view outer,
               StoredPen* pen);
Status ReadBrush(const PropertyReader& reader, const StoredProperty& property, std::string_view outer,
                 StoredBrush* brush);

}  // namespace vellumo::design
