// Font, pen and brush entries.
#include "design/stream/nested_properties.h"

#include <algorithm>
#include <array>

namespace vellumo::design {

namespace {

constexpr std::array<std::string_view, 3> kPitchNames = {"fpDefault", "fpVariable", "fpFixed"};
constexpr std::array<std::string_view, 4> kStyleNames = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
constexpr std::array<std::string_view, 16> kPenModeNames = {
    "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
    "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor"};
constexpr std::array<std::string_view, 7> kPenStyleNames = {"psSolid", "psDash", "psDot", "psDashDot",
                                                            "psDashDotDot", "psClear", "psInsideFrame"};
constexpr std::array<std::string_view, 8> kBrushStyleNames = {
    "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};

std::string Member(std::string_view outer, std::string_view member) {
  return std::string(outer) + "." + std::string(member);
}

// The member name after "<outer>.".
std::string_view MemberOf(const StoredProperty& property, std::string_view outer) {
  return std::string_view(property.name).substr(std::min(property.name.size(), outer.size() + 1));
}

// Stores a read value into *target, or returns why there is none.
template <typename T, typename Read>
Status Assign(Result<Read> read, T* target) {
  if (!read.ok()) return read.status();
  *target = static_cast<T>(*read);
  return Status::OK();
}

}  // namespace

void WriteFont(PropertyWriter& writer, std::string_view outer, const StoredFont& font) {
  writer.ColourValue(Member(outer, "Color"), font.colour);
  writer.Integer(Member(outer, "Height"), font.height);
  writer.TextIfSet(Member(outer, "Name"), font.name);
  writer.EnumerationIfNot(Member(outer, "Pitch"), static_cast<int>(font.pitch),
                          static_cast<int>(FontPitch::kDefault), kPitchNames);
  writer.SetOf(Member(outer, "Style"), font.style, kStyleNames);
}

void WritePen(PropertyWriter& writer, std::string_view outer, const StoredPen& pen) {
  const StoredPen fresh;
  writer.ColourIfNot(Member(outer, "Color"), pen.colour, fresh.colour);
  writer.EnumerationIfNot(Member(outer, "Mode"), static_cast<int>(pen.mode), static_cast<int>(fresh.mode),
                          kPenModeNames);
  writer.EnumerationIfNot(Member(outer, "Style"), static_cast<int>(pen.style), static_cast<int>(fresh.style),
                          kPenStyleNames);
  writer.IntegerIfNot(Member(outer, "Width"), pen.width, fresh.width);
}

void WriteBrush(PropertyWriter& writer, std::string_view outer, const StoredBrush& brush) {
  const StoredBrush fresh;
  writer.ColourIfNot(Member(outer, "Color"), brush.colour, fresh.colour);
  writer.EnumerationIfNot(Member(outer, "Style"), static_cast<int>(brush.style),
                          static_cast<int>(fresh.style), kBrushStyleNames);
}

Status ReadFont(const PropertyReader& reader, const StoredProperty& property, std::string_view outer,
                StoredFont* font) {
  const std::string_view member = MemberOf(property, outer);
  if (member == "Color") return Assign(reader.ColourValue(property), &font->colour);
  if (member == "Height") return Assign(reader.Integer(property), &font->height);
  if (member == "Name") return Assign(reader.Text(property), &font->name);
  if (member == "Pitch") return Assign(reader.Enumeration(property, kPitchNames), &font->pitch);
  if (member == "Style") return Assign(reader.SetOf(property, kStyleNames), &font->style);
  return reader.UnknownProperty(property);
}

Status ReadPen(const PropertyReader& reader, const StoredProperty& property, std::string_view outer,
               StoredPen* pen) {
  const std::string_view member = MemberOf(property, outer);
  if (member == "Color") return Assign(reader.ColourValue(property), &pen->colour);
  if (member == "Mode") return Assign(reader.Enumeration(property, kPenModeNames), &pen->mode);
  if (member == "Style") return Assign(reader.Enumeration(property, kPenStyleNames), &pen->style);
  if (member == "Width") return Assign(reader.Integer(property), &pen->width);
  return reader.UnknownProperty(property);
}

Status ReadBrush(const PropertyReader& reader, const StoredProperty& property, std::string_view outer,
                 StoredBrush* brush) {
  const std::string_view member = MemberOf(property, outer);
  if (member == "Color") return Assign(reader.ColourValue(property), &brush->colour);
  if (member == "Style") return Assign(reader.Enumeration(property, kBrushStyleNames), &brush->style);
  return reader.UnknownProperty(property);
}

}  // namespace vellumo::design
