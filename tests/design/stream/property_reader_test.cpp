// Typed reading of stored properties and the messages of wrong values.
#include "design/stream/property_reader.h"

#include <gtest/gtest.h>

#include <array>

namespace vellumo::design {
namespace {

constexpr std::array<std::string_view, 3> kAlignment = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::array<std::string_view, 4> kFontStyle = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

StoredObject Label(std::vector<StoredProperty> properties) {
  return {"TGPLabel", "Special1", std::move(properties)};
}

TEST(PropertyReaderTest, ValuesOfTheRightKind) {
  const StoredObject object = Label({{"Left", Value::Integer(-7)},
                                     {"Locked", Value::Boolean(true)},
                                     {"Caption", Value::String("Hi")},
                                     {"Alignment", Value::Identifier("tacenter")},
                                     {"Picture.Data", Value::Binary(std::string("\0\1", 2))},
                                     {"Items.Strings", Value::List({Value::String("a"), Value::String("")})}});
  const PropertyReader reader(object);
  EXPECT_EQ(*reader.Integer(object.properties[0]), -7);
  EXPECT_TRUE(*reader.Boolean(object.properties[1]));
  EXPECT_EQ(*reader.Text(object.properties[2]), "Hi");
  EXPECT_EQ(*reader.Enumeration(object.properties[3], kAlignment), 2);
  EXPECT_EQ(*reader.Binary(object.properties[4]), std::string("\0\1", 2));
  EXPECT_EQ(*reader.StringList(object.properties[5]), (std::vector<std::string>{"a", ""}));
}

TEST(PropertyReaderTest, ColoursAndCursorsByNameOrNumber) {
  const StoredObject object = Label({{"BackColor", Value::Identifier("clWhite")},
                                     {"Font.Color", Value::Integer(0x123456)},
                                     {"Pen.Color", Value::Integer(-2147483643)},
                                     {"Cursor", Value::Identifier("crHandPoint")},
                                     {"Cursor", Value::Integer(-5)}});
  const PropertyReader reader(object);
  EXPECT_EQ(*reader.ColourValue(object.properties[0]), kClWhite);
  EXPECT_EQ(*reader.ColourValue(object.properties[1]), 0x123456u);
  EXPECT_EQ(*reader.ColourValue(object.properties[2]), 0x80000005u);
  EXPECT_EQ(*reader.Cursor(object.properties[3]), -21);
  EXPECT_EQ(*reader.Cursor(object.properties[4]), -5);
}

TEST(PropertyReaderTest, SetMembersBecomeBits) {
  const StoredObject object = Label({{"Font.Style", Value::Set({"fsUnderline", "fsBold"})},
                                     {"Font.Style", Value::Set({})},
                                     {"Font.Style", Value::Set({"fsBold", "fsWavy"})}});
  const PropertyReader reader(object);
  EXPECT_EQ(*reader.SetOf(object.properties[0], kFontStyle), 0b101u);
  EXPECT_EQ(*reader.SetOf(object.properties[1], kFontStyle), 0u);
  Result<uint32_t> wavy = reader.SetOf(object.properties[2], kFontStyle);
  ASSERT_FALSE(wavy.ok());
  EXPECT_EQ(wavy.status().message(), "TGPLabel Special1: property Font.Style: set member 'fsWavy' is not a value of its type");
}

TEST(PropertyReaderTest, WrongValuesNameObjectPropertyAndFault) {
  const StoredObject object = Label({{"Alignment", Value::Identifier("taMiddle")},
                                     {"Left", Value::String("10")},
                                     {"BackColor", Value::Identifier("clSky")},
                                     {"Items.Strings", Value::List({Value::String("a"), Value::Integer(3)})},
                                     {"Cursor", Value::Boolean(true)},
                                     {"Colour", Value::Nil()}});
  const PropertyReader reader(object);
  EXPECT_EQ(reader.Enumeration(object.properties[0], kAlignment).status().message(),
            "TGPLabel Special1: property Alignment: identifier 'taMiddle' is not a value of its type");
  EXPECT_EQ(reader.Integer(object.properties[1]).status().message(),
            "TGPLabel Special1: property Left: an integer was expected, not a string");
  EXPECT_EQ(reader.ColourValue(object.properties[2]).status().message(),
            "TGPLabel Special1: property BackColor: identifier 'clSky' is not a colour name");
  EXPECT_EQ(reader.StringList(object.properties[3]).status().message(),
            "TGPLabel Special1: property Items.Strings: line 2 is an integer, not a string");
  EXPECT_EQ(reader.Cursor(object.properties[4]).status().message(),
            "TGPLabel Special1: property Cursor: a cursor name or an integer was expected, not a boolean");
  EXPECT_EQ(reader.UnknownProperty(object.properties[5]).message(),
            "TGPLabel Special1: property Colour: the class TGPLabel has no such property");
  EXPECT_FALSE(reader.Boolean(object.properties[1]).ok());
  EXPECT_FALSE(reader.Text(object.properties[0]).ok());
  EXPECT_FALSE(reader.Binary(object.properties[1]).ok());
  EXPECT_FALSE(reader.Enumeration(object.properties[1], kAlignment).ok());
  EXPECT_FALSE(reader.SetOf(object.properties[0], kFontStyle).ok());
}

}  // namespace
}  // namespace vellumo::design
