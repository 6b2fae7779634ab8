// Fonts, pens and brushes as nested entries.
#include "design/stream/nested_properties.h"

#include <gtest/gtest.h>

namespace vellumo::design {
namespace {

std::vector<StoredProperty> Written(void (*write)(PropertyWriter&)) {
  PropertyWriter w;
  write(w);
  Result<std::vector<StoredProperty>> properties = std::move(w).Finish();
  EXPECT_TRUE(properties.ok()) << properties.status().ToString();
  return properties.ok() ? properties.value() : std::vector<StoredProperty>{};
}

TEST(NestedPropertiesTest, FontWritesColourHeightAndStyleAlways) {
  const auto written = Written([](PropertyWriter& w) { WriteFont(w, "Font", StoredFont()); });
  const std::vector<StoredProperty> expected = {{"Font.Color", Value::Identifier("clBlack")},
                                                {"Font.Height", Value::Integer(0)},
                                                {"Font.Style", Value::Set({})}};
  EXPECT_EQ(written, expected);
}

TEST(NestedPropertiesTest, FontWritesNameAndPitchWhenSet) {
  const auto written = Written([](PropertyWriter& w) {
    WriteFont(w, "Font", {0x123456, -32, "WingDings", FontPitch::kFixed, kFontBold | kFontStrikeOut});
  });
  const std::vector<StoredProperty> expected = {{"Font.Color", Value::Integer(0x123456)},
                                                {"Font.Height", Value::Integer(-32)},
                                                {"Font.Name", Value::String("WingDings")},
                                                {"Font.Pitch", Value::Identifier("fpFixed")},
                                                {"Font.Style", Value::Set({"fsBold", "fsStrikeOut"})}};
  EXPECT_EQ(written, expected);
}

TEST(NestedPropertiesTest, PenAndBrushWriteOnlyWhatDiffers) {
  EXPECT_TRUE(Written([](PropertyWriter& w) {
                WritePen(w, "Pen", StoredPen());
                WriteBrush(w, "Brush", StoredBrush());
              }).empty());
  const auto written = Written([](PropertyWriter& w) {
    WritePen(w, "Pen", {kClBlue, PenMode::kXor, PenStyle::kDot, 3});
    WriteBrush(w, "Brush", {kClBlack, BrushStyle::kClear});
  });
  const std::vector<StoredProperty> expected = {
      {"Pen.Color", Value::Identifier("clBlue")}, {"Pen.Mode", Value::Identifier("pmXor")},
      {"Pen.Style", Value::Identifier("psDot")},  {"Pen.Width", Value::Integer(3)},
      {"Brush.Color", Value::Identifier("clBlack")}, {"Brush.Style", Value::Identifier("bsClear")}};
  EXPECT_EQ(written, expected);
}

TEST(NestedPropertiesTest, ReadingRestoresWhatWasWritten) {
  const StoredFont font{0x80000008, -13, "Arial", FontPitch::kVariable, kFontItalic | kFontUnderline};
  const StoredPen pen{0x00FF00, PenMode::kNotXor, PenStyle::kInsideFrame, 7};
  const StoredBrush brush{0x010203, BrushStyle::kDiagCross};
  PropertyWriter w;
  WriteFont(w, "Font", font);
  WritePen(w, "Pen", pen);
  WriteBrush(w, "Brush", brush);
  Result<std::vector<StoredProperty>> properties = std::move(w).Finish();
  ASSERT_TRUE(properties.ok());
  const StoredObject object{"TGLabelShapes", "Shape1", properties.value()};
  const PropertyReader reader(object);
  StoredFont font_read;
  StoredPen pen_read;
  StoredBrush brush_read;
  for (const StoredProperty& property : object.properties) {
    Status s = property.name.starts_with("Font.")  ? ReadFont(reader, property, "Font", &font_read)
               : property.name.starts_with("Pen.") ? ReadPen(reader, property, "Pen", &pen_read)
                                                   : ReadBrush(reader, property, "Brush", &brush_read);
    ASSERT_TRUE(s.ok()) << s.ToString();
  }
  EXPECT_EQ(font_read, font);
  EXPECT_EQ(pen_read, pen);
  EXPECT_EQ(brush_read, brush);
}

TEST(NestedPropertiesTest, UnknownMembersAndWrongValuesAreErrors) {
  const StoredObject object{"TGLineShape",
                            "Line1",
                            {{"Pen.Colour", Value::Identifier("clRed")},
                             {"Pen.Mode", Value::Identifier("pmPaint")},
                             {"Font.Size", Value::Integer(10)},
                             {"Brush.Style", Value::Integer(1)}}};
  const PropertyReader reader(object);
  StoredPen pen;
  StoredFont font;
  StoredBrush brush;
  EXPECT_EQ(ReadPen(reader, object.properties[0], "Pen", &pen).message(),
            "TGLineShape Line1: property Pen.Colour: the class TGLineShape has no such property");
  EXPECT_EQ(ReadPen(reader, object.properties[1], "Pen", &pen).message(),
            "TGLineShape Line1: property Pen.Mode: identifier 'pmPaint' is not a value of its type");
  EXPECT_FALSE(ReadFont(reader, object.properties[2], "Font", &font).ok());
  EXPECT_FALSE(ReadBrush(reader, object.properties[3], "Brush", &brush).ok());
  EXPECT_EQ(pen, StoredPen());
  EXPECT_EQ(brush, StoredBrush());
}

}  // namespace
}  // namespace vellumo::design
