// The writing rules: always, if different from the default, if set.
#include "design/stream/property_writer.h"

#include <gtest/gtest.h>

#include <array>

namespace vellumo::design {
namespace {

constexpr std::array<std::string_view, 3> kAlignment = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<std::string_view, 4> kFontStyle = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

std::vector<StoredProperty> Finished(PropertyWriter w) {
  Result<std::vector<StoredProperty>> properties = std::move(w).Finish();
  EXPECT_TRUE(properties.ok()) << properties.status().ToString();
  return properties.ok() ? properties.value() : std::vector<StoredProperty>{};
}

TEST(PropertyWriterTest, RulesDecideWhatIsWritten) {
  PropertyWriter w;
  w.IntegerIfNot("Tag", 0, 0);
  w.IntegerIfNot("Angle", 90, 0);
  w.Integer("Left", 0);
  w.BooleanIfNot("WordWrap", false, false);
  w.Boolean("Locked", false);
  w.TextIfSet("Hint", "");
  w.TextIfSet("Caption", "Hi");
  w.Text("Font.Name", "");
  w.EnumerationIfNot("Alignment", 0, 0, kAlignment);
  w.Enumeration("Alignment", 0, kAlignment);
  w.ColourIfNot("Pen.Color", kClBlack, kClBlack);
  w.ColourIfNot("Brush.Color", 0x123456, kClWhite);
  w.CursorIfNot("Cursor", kCrDefault, kCrDefault);
  w.BinaryIfSet("Picture.Data", "");
  w.StringListIfSet("Items.Strings", {});
  const std::vector<StoredProperty> expected = {
      {"Angle", Value::Integer(90)},
      {"Left", Value::Integer(0)},
      {"Locked", Value::Boolean(false)},
      {"Caption", Value::String("Hi")},
      {"Font.Name", Value::String("")},
      {"Alignment", Value::Identifier("taLeftJustify")},
      {"Brush.Color", Value::Integer(0x123456)},
  };
  EXPECT_EQ(Finished(std::move(w)), expected);
}

TEST(PropertyWriterTest, NamedValuesAreWrittenByName) {
  PropertyWriter w;
  w.ColourValue("Font.Color", kClBlue);
  w.ColourValue("BackColor", 0x80000005);
  w.ColourValue("Other", 0x80000019);
  w.CursorIfNot("Cursor", -21, kCrDefault);
  w.CursorIfNot("Cursor", -5, kCrDefault);
  w.SetOf("Font.Style", 0b1010, kFontStyle);
  w.StringListIfSet("Items.Strings", std::vector<std::string>{"one", "two"});
  const std::vector<StoredProperty> expected = {
      {"Font.Color", Value::Identifier("clBlue")},
      {"BackColor", Value::Identifier("clWindow")},
      {"Other", Value::Integer(-2147483623)},
      {"Cursor", Value::Identifier("crHandPoint")},
      {"Cursor", Value::Integer(-5)},
      {"Font.Style", Value::Set({"fsItalic", "fsStrikeOut"})},
      {"Items.Strings", Value::List({Value::String("one"), Value::String("two")})},
  };
  EXPECT_EQ(Finished(std::move(w)), expected);
}

TEST(PropertyWriterTest, ValuesWithoutNamesFailTheWhole) {
  PropertyWriter enumeration;
  enumeration.Integer("Left", 1);
  enumeration.Enumeration("Alignment", 3, kAlignment);
  enumeration.Enumeration("Alignment", -1, kAlignment);
  Result<std::vector<StoredProperty>> bad = std::move(enumeration).Finish();
  ASSERT_FALSE(bad.ok());
  EXPECT_EQ(bad.status().message(), "property Alignment: value 3 has no name");

  PropertyWriter set;
  set.SetOf("Font.Style", 0b10000, kFontStyle);
  EXPECT_FALSE(std::move(set).Finish().ok());
}

}  // namespace
}  // namespace vellumo::design
