// Design objects as lines of text.
#include "design_listing.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string_view>

#include "design/stream/picture_data.h"

namespace cli {
namespace {

using vellumo::design::StoredObject;
using vellumo::design::StoredProperty;
using vellumo::design::Value;
using vellumo::design::ValueKind;

// Design units per inch.
constexpr double kUnitsPerInch = 96;

uint32_t ReadLittleEndian(std::string_view bytes, size_t offset, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
  return value;
}

int32_t Signed(uint32_t value, size_t width) {
  const int shift = int(32 - 8 * width);
  return int32_t(value << shift) >> shift;
}

// Pixels of a bitmap file: the core header's 16-bit or the info header's
// 32-bit width and height (a negative height marks a top-down bitmap).
std::string BitmapSize(std::string_view file) {
  constexpr size_t kFileHeader = 14;
  if (file.size() < kFileHeader + 12) return {};
  const uint32_t header = ReadLittleEndian(file, kFileHeader, 4);
  const size_t width = header == 12 ? 2 : 4;
  if (file.size() < kFileHeader + 4 + 2 * width) return {};
  const int32_t w = Signed(ReadLittleEndian(file, kFileHeader + 4, width), width);
  const int32_t h = Signed(ReadLittleEndian(file, kFileHeader + 4 + width, width), width);
  return " " + std::to_string(std::abs(int64_t(w))) + "x" + std::to_string(std::abs(int64_t(h)));
}

std::string UnitsSize(double width, double height) {
  return " " + std::to_string(std::lround(std::abs(width))) + "x" + std::to_string(std::lround(std::abs(height)));
}

// A metafile's size in design units: the placeable header's box over its
// units per inch, or the enhanced header's frame in hundredths of a millimetre.
std::string MetafileSize(std::string_view data) {
  if (vellumo::design::IsPlaceableMetafile(data)) {
    if (data.size() < 16) return {};
    const int32_t left = Signed(ReadLittleEndian(data, 6, 2), 2), top = Signed(ReadLittleEndian(data, 8, 2), 2);
    const int32_t right = Signed(ReadLittleEndian(data, 10, 2), 2), bottom = Signed(ReadLittleEndian(data, 12, 2), 2);
    const uint32_t per_inch = ReadLittleEndian(data, 14, 2);
    if (per_inch == 0) return {};
    return UnitsSize((right - left) * kUnitsPerInch / per_inch, (bottom - top) * kUnitsPerInch / per_inch);
  }
  if (data.size() < 40) return {};
  const int64_t left = Signed(ReadLittleEndian(data, 24, 4), 4), top = Signed(ReadLittleEndian(data, 28, 4), 4);
  const int64_t right = Signed(ReadLittleEndian(data, 32, 4), 4), bottom = Signed(ReadLittleEndian(data, 36, 4), 4);
  constexpr double kHundredthsOfMmPerInch = 2540;
  return UnitsSize(double(right - left) * kUnitsPerInch / kHundredthsOfMmPerInch,
                   double(bottom - top) * kUnitsPerInch / kHundredthsOfMmPerInch);
}

std::string ShowBinary(const std::string& block) {
  std::string shown = "<" + std::to_string(block.size()) + " bytes";
  const auto picture = vellumo::design::DecodePictureData(block);
  if (picture.ok()) {
    shown += ", " + picture->class_name;
    if (picture->class_name == vellumo::design::kBitmapClass) shown += BitmapSize(picture->data);
    if (picture->class_name == vellumo::design::kMetafileClass) shown += MetafileSize(picture->data);
  }
  return shown + ">";
}

std::string Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (uint8_t(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", unsigned(uint8_t(c)));
      quoted += escape;
    } else {
      quoted += c;
    }
  }
  return quoted + "\"";
}

std::string Inches(int32_t units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3fin", units / kUnitsPerInch);
  return text;
}

int32_t IntegerOr0(const StoredObject& object, std::string_view name) {
  const StoredProperty* property = object.Find(name);
  return property && property->value.kind() == ValueKind::kInteger ? property->value.integer() : 0;
}

template <typename Items, typename Show>
std::string Joined(const Items& items, Show show) {
  std::string joined;
  for (const auto& item : items) {
    if (!joined.empty()) joined += ",";
    joined += show(item);
  }
  return joined;
}

}  // namespace

std::string ShowValue(const Value& value) {
  switch (value.kind()) {
    case ValueKind::kList: return "(" + Joined(value.items(), ShowValue) + ")";
    case ValueKind::kInteger: return std::to_string(value.integer());
    case ValueKind::kExtended: {
      char text[32];
      std::snprintf(text, sizeof text, "%.17g", value.extended());
      return text;
    }
    case ValueKind::kString: return Quoted(value.text());
    case ValueKind::kIdentifier: return value.text();
    case ValueKind::kBoolean: return value.boolean() ? "True" : "False";
    case ValueKind::kBinary: return ShowBinary(value.text());
    case ValueKind::kSet: return "[" + Joined(value.members(), [](const std::string& m) { return m; }) + "]";
    case ValueKind::kNil: return "nil";
  }
  return {};
}

std::string ShowObject(const StoredObject& object) {
  const int32_t bounds[] = {IntegerOr0(object, "Left"), IntegerOr0(object, "Top"), IntegerOr0(object, "Width"),
                            IntegerOr0(object, "Height")};
  std::string line = object.class_name + " " + (object.component_name.empty() ? "-" : object.component_name);
  line += " bounds=" + Joined(bounds, [](int32_t units) { return std::to_string(units); });
  line += " (" + Joined(bounds, Inches) + ")";
  for (const StoredProperty& property : object.properties) line += " " + property.name + "=" + ShowValue(property.value);
  return line;
}

}  // namespace cli
