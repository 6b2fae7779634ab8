// The text objects' defaults and stored form: exact bytes under the
// writing rules, record values left out of files, the shrink flag only
// when on, and read → write giving the same bytes for every class.
#include <gtest/gtest.h>

#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "stored_bytes.h"
#include "stored_round_trip.h"

namespace vellumo::design {
namespace {

using namespace testing;

std::string Int16Or8(std::string_view name, int value) {
  return value >= -128 && value <= 127 ? Int8(name, value) : Int16(name, value);
}

std::string CommonOf(const TGGraphicControl& o) {
  return Int16Or8("Left", o.Left()) + Int16Or8("Top", o.Top()) + Int16Or8("Width", o.Width()) +
         Int16Or8("Height", o.Height()) + Bool("Locked", false) + Bool("Unselectable", false);
}

// Arial 10 points, black, no style.
std::string DefaultFont() { return BlackFont("Arial", -13); }

void Place(TGGraphicControl& object, int left, int top) {
  object.SetName("Special1");
  object.SetBounds(QRect(left, top, object.Width(), object.Height()));
}

TEST(TextObjectDefaults, SingleLineObjectsStartAsNewTextWithoutEffects) {
  TGPLabel label;
  EXPECT_EQ(label.Caption, "Text");
  EXPECT_EQ(label.Font.name, "Arial");
  EXPECT_EQ(label.Font.height, -13);
  EXPECT_EQ(label.Font.colour, kClBlack);
  EXPECT_EQ(label.Alignment, taLeftJustify);
  EXPECT_EQ(label.Angle(), 0);
  EXPECT_TRUE(label.Transparent);
  EXPECT_EQ(label.BackColor, 0xFFFFFFu);
  EXPECT_EQ(label.Effects.DirectionShadow, sdDownRight);
  EXPECT_EQ(label.Effects.DirectionHighlight, hdUpLeft);
  EXPECT_EQ(label.Effects.DepthShadow, 0);
  EXPECT_EQ(label.Effects.DepthHighlight, 0);
  EXPECT_EQ(label.colorShadow, 0x808080u);
  EXPECT_EQ(label.colorHighlight, 0xFFFF00u);
  EXPECT_EQ(label.Bounds().size(), QSize(142, 33));
  TGPDLabel field;
  EXPECT_TRUE(field.DataFieldName.empty());
  EXPECT_TRUE(field.DataFieldDescript.empty());
  EXPECT_EQ(field.LengthOfText, 0);
  EXPECT_EQ(field.Bounds().size(), QSize(142, 33));
}

TEST(TextObjectDefaults, MultiLineObjectsStartEmptyUnwrappedAndUnshrunk) {
  TGMultiLineLabel text;
  EXPECT_TRUE(text.Items.empty());
  EXPECT_FALSE(text.AutoSize);
  EXPECT_FALSE(text.WordWrap);
  EXPECT_FALSE(text.ShrinkToFit);
  EXPECT_EQ(text.Alignment, taLeftJustify);
  EXPECT_EQ(text.Font, DefaultTextFont());
  EXPECT_EQ(text.Bounds().size(), QSize(190, 33));
  TGDMultiLineAddressLabel address;
  const AddressBlockOptions& o = address.Options;
  EXPECT_TRUE(o.UseName && o.UseTitle && o.UseCompany && o.UseStreet && o.UseStreet2 && o.UseCityState && o.UseZip &&
              o.UseCountry);
  EXPECT_FALSE(o.UsePhone);
  EXPECT_FALSE(o.UpperCase);
  EXPECT_EQ(o.ZipOptions, zoAfterState);
  EXPECT_FALSE(address.ShrinkToFit);
}

TEST(TextStoredForm, FixedTextWritesTheKnownBytes) {
  TGPLabel label;
  Place(label, 10, 20);
  label.Caption = "Hi";
  const std::string expected =
      std::string("\x01") + "TPF0" + Short("TGPLabel") + Short("Special1") + Int8("Left", 10) + Int8("Top", 20) +
      Short("Width") + "\x03\x8E" + '\0' + Int8("Height", 0x21) + Bool("Locked", false) +
      Bool("Unselectable", false) + Text("Caption", "Hi") + DefaultFont() + Bool("Transparent", true) +
      Ident("BackColor", "clWhite") + '\0' + '\0' + '\0';
  EXPECT_EQ(BytesOf(label), expected);
}

TEST(TextStoredForm, SingleLineEffectsAreWrittenInTheirPlacesWhenNotDefault) {
  TGPLabel label;
  Place(label, 10, 20);
  label.Caption.clear();
  label.SetAngle(180);
  label.Alignment = taCenter;
  label.Effects = {sdDown, 2, hdUp, 3};
  label.colorShadow = kClBlack;
  label.colorHighlight = 0x123456;
  label.Transparent = false;
  label.BackColor = kClAqua;
  const std::string colour = Short("colorHighlight") + '\x04' + std::string("\x56\x34\x12\x00", 4);
  EXPECT_EQ(BytesOf(label),
            List(Record("TGPLabel", "Special1",
                        CommonOf(label) + Ident("Alignment", "taCenter") + Int8("DepthHighlight", 3) +
                            Int8("DepthShadow", 2) + Ident("DirectionHighlight", "hdUp") +
                            Ident("DirectionShadow", "sdDown") + colour + Ident("colorShadow", "clBlack") +
                            Int16("Angle", 180) + DefaultFont() + Bool("Transparent", false) +
                            Ident("BackColor", "clAqua"))));
}

TEST(TextStoredForm, DataFieldShowingARecordValueWritesNoCaption) {
  TGPDLabel field;
  Place(field, 10, 20);
  field.Caption = "Jones";
  field.DataFieldName = "LNAME";
  field.DataFieldDescript = "Last Name";
  EXPECT_EQ(BytesOf(field), List(Record("TGPDLabel", "Special1",
                                        CommonOf(field) + DefaultFont() + Bool("Transparent", true) +
                                            Ident("BackColor", "clWhite") + Text("DataFieldName", "LNAME") +
                                            Text("DataFieldDescript", "Last Name") + Int8("LengthOfText", 0))));
}

TEST(TextStoredForm, AddressBlockWritesNoLinesButAllElevenFlags) {
  TGDMultiLineAddressLabel address;
  Place(address, 10, 20);
  address.Items = {"John Jones ", "Springfield  IL 62701"};
  address.Options.ZipOptions = zoBeforeCountry;
  address.Options.UpperCase = true;
  EXPECT_EQ(BytesOf(address),
            List(Record("TGDMultiLineAddressLabel", "Special1",
                        CommonOf(address) + Bool("AutoSize", false) + DefaultFont() + Bool("UseName", true) +
                            Bool("UseTitle", true) + Bool("UseCompany", true) + Bool("UseStreet", true) +
                            Bool("UseStreet2", true) + Bool("UseCityState", true) + Bool("UseZip", true) +
                            Bool("UsePhone", false) + Bool("UseCountry", true) +
                            Ident("ZipOptions", "zoBeforeCountry") + Bool("UpperCase", true))));
}

TEST(TextStoredForm, FixedMultiLineTextWritesItsLinesAndShrinkOnlyWhenOn) {
  TGMultiLineLabel text;
  Place(text, 10, 20);
  text.Items = {"one", "two"};
  const std::string lines = Short("Items.Strings") + '\x01' + '\x06' + Short("one") + '\x06' + Short("two") + '\0';
  const std::string before = CommonOf(text) + lines + Bool("AutoSize", false) + DefaultFont();
  EXPECT_EQ(BytesOf(text), List(Record("TGMultiLineLabel", "Special1", before)));
  text.WordWrap = true;
  text.ShrinkToFit = true;
  EXPECT_EQ(BytesOf(text), List(Record("TGMultiLineLabel", "Special1",
                                       before + Bool("WordWrap", true) + Bool("ShrinkToFit", true))));
}

TEST(TextStoredForm, MemoFieldWritesItsBindingButNotItsLines) {
  TGDMultiLineLabel memo;
  Place(memo, 10, 20);
  memo.Items = {"private notes"};
  memo.DataFieldName = "MEMO";
  memo.DataFieldDescript = "Memo";
  memo.Alignment = taRightJustify;
  EXPECT_EQ(BytesOf(memo), List(Record("TGDMultiLineLabel", "Special1",
                                       CommonOf(memo) + Bool("AutoSize", false) +
                                           Ident("Alignment", "taRightJustify") + DefaultFont() +
                                           Text("DataFieldName", "MEMO") + Text("DataFieldDescript", "Memo"))));
}

TEST(TextStoredForm, ObjectsWithoutTheShrinkFlagReadItAsOff) {
  TGDMultiLineAddressLabel address;
  Place(address, 10, 20);
  address.ShrinkToFit = false;
  std::unique_ptr<TGGraphicControl> copy = ReadBack(BytesOf(address));
  ASSERT_NE(copy, nullptr);
  EXPECT_FALSE(dynamic_cast<TGDMultiLineAddressLabel&>(*copy).ShrinkToFit);
}

// Every class with values away from its defaults, read back and written
// again, gives the same bytes.
TEST(TextStoredForm, EveryClassReadsBackToTheSameBytes) {
  StoredFont font;
  font.name = "Courier New";
  font.height = -16;
  font.colour = 0x800000;  // clNavy
  font.style = kFontBold | kFontItalic;
  std::vector<std::unique_ptr<TGGraphicControl>> objects;
  auto label = std::make_unique<TGPLabel>();
  label->Caption = std::string(300, 'x');
  label->Font = font;
  label->Effects = {sdLeft, 4, hdright, 1};
  label->SetAngle(90);
  objects.push_back(std::move(label));
  auto field = std::make_unique<TGPDLabel>();
  field->DataFieldName = "LNAME";
  field->DataFieldDescript = "Last Name";
  field->LengthOfText = 30;
  field->Alignment = taRightJustify;
  field->Transparent = false;
  objects.push_back(std::move(field));
  auto text = std::make_unique<TGMultiLineLabel>();
  text->Items = {"first", "", "third"};
  text->AutoSize = true;
  text->WordWrap = true;
  text->ShrinkToFit = true;
  text->Font = font;
  objects.push_back(std::move(text));
  auto memo = std::make_unique<TGDMultiLineLabel>();
  memo->DataFieldName = "MEMO";
  memo->DataFieldDescript = "Memo";
  memo->Alignment = taCenter;
  objects.push_back(std::move(memo));
  auto address = std::make_unique<TGDMultiLineAddressLabel>();
  address->Options.UseName = false;
  address->Options.UsePhone = true;
  address->Options.ZipOptions = zoBeforeCity;
  address->ShrinkToFit = true;
  objects.push_back(std::move(address));
  for (const auto& object : objects) {
    Place(*object, 300, 7);
    const std::string bytes = BytesOf(*object);
    std::unique_ptr<TGGraphicControl> copy = ReadBack(bytes);
    ASSERT_NE(copy, nullptr) << object->ClassName();
    copy->SetName("Special1");
    EXPECT_EQ(BytesOf(*copy), bytes) << object->ClassName();
  }
}

TEST(TextStoredForm, UnknownPropertiesAndWrongValuesAreRefused) {
  TGPLabel label;
  Place(label, 1, 2);
  const std::string good = BytesOf(label);
  const std::string unknown = List(Record("TGPLabel", "Special1", CommonOf(label) + Bool("WordWrap", true)));
  const std::string wrong = List(Record("TGPLabel", "Special1", CommonOf(label) + Ident("Alignment", "taMiddle")));
  for (const std::string& bytes : {unknown, wrong}) {
    DesignReadResult read = DecodeDesignStream(bytes);
    ASSERT_TRUE(read.status.ok());
    ASSERT_EQ(read.objects.size(), 1u);
    TGPLabel copy;
    EXPECT_FALSE(copy.Restore(read.objects[0]).ok());
  }
  EXPECT_NE(ReadBack(good), nullptr);
}

}  // namespace
}  // namespace vellumo::design
