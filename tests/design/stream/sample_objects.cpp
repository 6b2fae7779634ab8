// Sample design objects in stored form.
#include "sample_objects.h"

#include <array>
#include <string_view>

#include <gtest/gtest.h>

#include "design/stream/design_stream_writer.h"
#include "design/stream/font_size.h"
#include "design/stream/nested_properties.h"
#include "design/stream/property_writer.h"

namespace vellumo::design::testing {

namespace {

using namespace std::string_literals;

constexpr std::array<std::string_view, 3> kAlignment = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<std::string_view, 6> kHighlight = {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"};
constexpr std::array<std::string_view, 6> kShadow = {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};
constexpr int kHighlightUpLeft = 4;
constexpr int kShadowDownRight = 3;

void WriteCommon(PropertyWriter& w, int left, int top, int width, int height) {
  w.IntegerIfNot("Tag", 0, 0);
  w.Integer("Left", left);
  w.Integer("Top", top);
  w.Integer("Width", width);
  w.Integer("Height", height);
  w.CursorIfNot("Cursor", kCrDefault, kCrDefault);
  w.TextIfSet("Hint", "");
  w.Boolean("Locked", false);
  w.Boolean("Unselectable", false);
}

void WriteNamedFont(PropertyWriter& w, const std::string& name, int points) {
  StoredFont font;
  font.name = name;
  font.height = FontHeightFromPoints(points);
  WriteFont(w, "Font", font);
}

StoredObject Finish(const std::string& class_name, const std::string& component, PropertyWriter w) {
  Result<std::vector<StoredProperty>> properties = std::move(w).Finish();
  EXPECT_TRUE(properties.ok()) << properties.status().ToString();
  return {class_name, component, properties.ok() ? properties.value() : std::vector<StoredProperty>{}};
}

}  // namespace

StoredObject FixedText(const std::string& component, int left, int top, int width, int height,
                       const std::string& caption, int points) {
  PropertyWriter w;
  WriteCommon(w, left, top, width, height);
  w.EnumerationIfNot("Alignment", 0, 0, kAlignment);
  w.IntegerIfNot("DepthHighlight", 0, 0);
  w.IntegerIfNot("DepthShadow", 0, 0);
  w.EnumerationIfNot("DirectionHighlight", kHighlightUpLeft, kHighlightUpLeft, kHighlight);
  w.EnumerationIfNot("DirectionShadow", kShadowDownRight, kShadowDownRight, kShadow);
  w.ColourIfNot("colorHighlight", kClAqua, kClAqua);
  w.ColourIfNot("colorShadow", kClGray, kClGray);
  w.IntegerIfNot("Angle", 0, 0);
  w.TextIfSet("Caption", caption);
  WriteNamedFont(w, "Arial", points);
  w.Boolean("Transparent", true);
  w.ColourValue("BackColor", kClWhite);
  return Finish("TGPLabel", component, std::move(w));
}

StoredObject Rectangle(const std::string& component, Colour pen_colour, int pen_width) {
  PropertyWriter w;
  WriteCommon(w, 5, 6, 100, 50);
  w.Boolean("Transparent", false);
  WriteBrush(w, "Brush", StoredBrush());
  StoredPen pen;
  pen.colour = pen_colour;
  pen.width = pen_width;
  WritePen(w, "Pen", pen);
  w.IntegerIfNot("RoundPerc", 25, 25);
  return Finish("TGLabelShapes", component, std::move(w));
}

StoredObject TextBlock(const std::string& component, const std::vector<std::string>& lines) {
  PropertyWriter w;
  WriteCommon(w, 0, 0, 200, 80);
  w.StringListIfSet("Items.Strings", lines);
  w.Boolean("AutoSize", false);
  w.EnumerationIfNot("Alignment", 2, 0, kAlignment);
  WriteNamedFont(w, "Times New Roman", 12);
  w.BooleanIfNot("WordWrap", true, false);
  return Finish("TGMultiLineLabel", component, std::move(w));
}

std::string Encode(const std::vector<StoredObject>& objects) {
  Result<std::string> bytes = EncodeDesignStream(objects);
  EXPECT_TRUE(bytes.ok()) << bytes.status().ToString();
  return bytes.ok() ? *bytes : std::string();
}

std::string Special1Bytes() {
  return "\x01"
         "TPF0"
         "\x08" "TGPLabel"
         "\x08" "Special1"
         "\x04" "Left" "\x02\x0A"
         "\x03" "Top" "\x02\x14"
         "\x05" "Width" "\x03\x8E\x00"
         "\x06" "Height" "\x02\x21"
         "\x06" "Locked" "\x08"
         "\x0C" "Unselectable" "\x08"
         "\x07" "Caption" "\x06\x02" "Hi"
         "\x0A" "Font.Color" "\x07\x07" "clBlack"
         "\x0B" "Font.Height" "\x02\xF3"
         "\x09" "Font.Name" "\x06\x05" "Arial"
         "\x0A" "Font.Style" "\x0B\x00"
         "\x0B" "Transparent" "\x09"
         "\x09" "BackColor" "\x07\x07" "clWhite"
         "\x00\x00"
         "\x00"s;
}

}  // namespace vellumo::design::testing
