// For each page kind, a design holding one object of every class that
// kind registers, each with values away from its defaults, is saved,
// loaded and saved again: the second and third files hold the same bytes,
// and every object reads back with the properties it was saved with, as
// vellumo-cli design show lists them.
#include <gtest/gtest.h>

#include "design/model/counter_label.h"
#include "design/model/data_panel.h"
#include "design/model/date_time_label.h"
#include "design/model/fim_barcode.h"
#include "design/model/image_object.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/multi_line_label.h"
#include "design/model/postnet_barcode.h"
#include "design/model/symbol_label.h"
#include "design/model/text_label.h"
#include "design/stream/design_file.h"
#include "design_listing.h"
#include "sample_pictures.h"
#include "xbase/env.h"

namespace vellumo::design {
namespace {

using namespace testing;

StoredFont UnusualFont() {
  StoredFont font;
  font.name = "Courier New";
  font.height = -16;
  font.colour = 0x123456;
  font.pitch = FontPitch::kFixed;
  font.style = kFontBold | kFontItalic | kFontUnderline | kFontStrikeOut;
  return font;
}

StoredPen UnusualPen() { return {0x0000FF /* clRed */, PenMode::kXor, PenStyle::kDashDot, 4}; }

void SetSingleLine(TGBaseLabel& label) {
  label.Caption = "Caption text";
  label.Font = UnusualFont();
  label.Alignment = taCenter;
  label.SetAngle(180);
  // Stored as it is, even where the angle would have set it.
  label.Alignment = taRightJustify;
  label.Effects = {sdLeft, 4, hdright, 2};
  label.colorShadow = 0x000080;  // clMaroon
  label.colorHighlight = 0xABCDEF;
  label.Transparent = false;
  label.BackColor = 0x00FFFF;  // clYellow
}

void SetMultiLine(TGMultiLineBaseLabel& text) {
  text.Items = {"first", "", "third"};
  text.AutoSize = true;
  text.Alignment = taCenter;
  text.Font = UnusualFont();
  text.WordWrap = true;
  text.ShrinkToFit = true;
}

// Every stored property of the object away from its default.
void SetNonDefaults(TGGraphicControl& object) {
  object.Locked = true;
  object.Unselectable = true;
  object.Tag = 77;
  object.Cursor = -3;  // the cross cursor
  object.Hint = "a hint";
  if (auto* label = dynamic_cast<TGBaseLabel*>(&object)) SetSingleLine(*label);
  if (auto* text = dynamic_cast<TGMultiLineBaseLabel*>(&object)) SetMultiLine(*text);
  if (auto* field = dynamic_cast<TGPDLabel*>(&object)) {
    field->DataFieldName = "LNAME";
    field->DataFieldDescript = "Last Name";
    field->LengthOfText = 30;
  }
  if (auto* counter = dynamic_cast<TGCounterLabel*>(&object)) {
    counter->TextBefore = "No. ";
    counter->TextAfter = " of many";
    counter->RepeatEach = 3;
    counter->LeadingZeros = 6;
    counter->SetStartingnumber(70000);
  }
  if (auto* symbol = dynamic_cast<TGSymbolLabel*>(&object)) symbol->SetSymbol(UnusualFont(), 0xFC);
  if (auto* stamp = dynamic_cast<TGDateTimeLabel*>(&object)) {
    stamp->DateFormat = dtfDateLong;
    stamp->TimeFormat = dtfTimeShort;
  }
  if (auto* memo = dynamic_cast<TGDMultiLineLabel*>(&object)) {
    memo->DataFieldName = "USER1";
    memo->DataFieldDescript = "User 1";
  }
  if (auto* address = dynamic_cast<TGDMultiLineAddressLabel*>(&object)) {
    AddressBlockOptions& o = address->Options;
    o.UseName = o.UseTitle = o.UseCompany = o.UseStreet = o.UseStreet2 = o.UseCityState = o.UseZip = false;
    o.UseCountry = false;
    o.UsePhone = o.UpperCase = true;
    o.ZipOptions = zoBeforeCountry;
  }
  if (auto* shape = dynamic_cast<TGLabelShapes*>(&object)) {
    shape->SetTransparent(true);
    shape->Brush = {0x00FF00 /* clLime */, BrushStyle::kDiagCross};
    shape->Pen = UnusualPen();
    shape->RoundPerc = 40;
    shape->Shape = TShapeType::stRoundSquare;
  }
  if (auto* line = dynamic_cast<TGLineShape*>(&object)) {
    line->LineStyle = TLineStyle::stAngleSlopingDown;
    line->Pen = UnusualPen();
  }
  if (auto* image = dynamic_cast<TGImage*>(&object)) {
    image->SetPicture(BlackBitmap());
    image->SetAutoSize(true);
  }
  if (auto* postnet = dynamic_cast<TGPostNetBarCode*>(&object)) {
    postnet->Postal.zip_field = "ZIP";
    postnet->Postal.address_field = "STREET2";
    postnet->BarCodeType = TPostNetBarCodeType::pnbc5Digit;
  }
  if (auto* fim = dynamic_cast<TGFIMBarCode*>(&object)) fim->FIMType = TFIMBarCodeType::fimTypeC;
  if (auto* imb = dynamic_cast<TGIMBarCode*>(&object)) {
    imb->BarcodeIdentifier = "01";
    imb->ServiceType = "301";
    imb->MailerId = "123456";
    imb->SerialNumber = "987";
    imb->SerialFromCounter = true;
    imb->SerialStart = 500;
    imb->Postal.zip_field = "ZIP";
    imb->Postal.address_field = "STREET";
  }
}

std::string BytesOfFile(xbase::Env* env, const std::string& path) {
  const auto bytes = ReadWholeFile(env, path);
  EXPECT_TRUE(bytes.ok()) << bytes.status().ToString();
  return bytes.ok() ? *bytes : std::string();
}

// Each object of a file as vellumo-cli design show lists it, without its
// component name (objects read from a file are named anew).
std::vector<std::string> Listing(const std::string& bytes) {
  const DesignReadResult read = DecodeDesignStream(bytes);
  EXPECT_TRUE(read.status.ok()) << read.status.ToString();
  std::vector<std::string> lines;
  for (StoredObject object : read.objects) {
    object.component_name.clear();
    lines.push_back(cli::ShowObject(object));
  }
  return lines;
}

class EveryClassRoundTrip : public ::testing::TestWithParam<PageKind> {
 protected:
  std::unique_ptr<xbase::Env> env_ = xbase::NewMemEnv();
};

TEST_P(EveryClassRoundTrip, SavedLoadedAndSavedAgainGivesTheSameFile) {
  TGDataPanel page(GetParam(), "/prog", env_.get());
  page.SetSize(QSize(400, 300));
  int top = 0;
  for (std::string_view name : PageKindClasses(GetParam())) {
    std::unique_ptr<TGGraphicControl> object = CreateObject(name);
    ASSERT_NE(object, nullptr) << name;
    TGGraphicControl* placed = page.PlaceObject(std::move(object), QRect(5, top, 60, 20));
    SetNonDefaults(*placed);
    top += 10;
  }
  ASSERT_TRUE(page.SaveToFile("/prog/first").ok());
  const std::string first = BytesOfFile(env_.get(), "/prog/first");

  TGDataPanel loaded(GetParam(), "/prog", env_.get());
  ASSERT_TRUE(loaded.LoadFromFile("/prog/first").ok());
  ASSERT_EQ(loaded.Objects().size(), PageKindClasses(GetParam()).size());
  ASSERT_TRUE(loaded.SaveToFile("/prog/second").ok());
  const std::string second = BytesOfFile(env_.get(), "/prog/second");
  EXPECT_EQ(Listing(second), Listing(first));

  TGDataPanel again(GetParam(), "/prog", env_.get());
  ASSERT_TRUE(again.LoadFromFile("/prog/second").ok());
  ASSERT_TRUE(again.SaveToFile("/prog/third").ok());
  EXPECT_EQ(BytesOfFile(env_.get(), "/prog/third"), second);
}

TEST_P(EveryClassRoundTrip, EveryPropertyAwayFromItsDefaultIsWritten) {
  for (std::string_view name : PageKindClasses(GetParam())) {
    RegisterPageKind(GetParam());
    std::unique_ptr<TGGraphicControl> plain = CreateObject(name);
    std::unique_ptr<TGGraphicControl> unusual = CreateObject(name);
    ASSERT_NE(plain, nullptr) << name;
    SetNonDefaults(*unusual);
    const Result<StoredObject> a = plain->Store();
    const Result<StoredObject> b = unusual->Store();
    ASSERT_TRUE(a.ok() && b.ok()) << name;
    // Nothing the defaults write is left out, and Tag, Cursor and Hint come in.
    for (const StoredProperty& property : a->properties) {
      EXPECT_NE(b->Find(property.name), nullptr) << name << " " << property.name;
    }
    for (const char* common : {"Tag", "Cursor", "Hint"}) EXPECT_NE(b->Find(common), nullptr) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(PageKinds, EveryClassRoundTrip,
                         ::testing::Values(PageKind::kLabel, PageKind::kEnvelope, PageKind::kReport),
                         [](const ::testing::TestParamInfo<PageKind>& info) {
                           switch (info.param) {
                             case PageKind::kLabel: return "Label";
                             case PageKind::kEnvelope: return "Envelope";
                             case PageKind::kReport: return "Report";
                           }
                           return "Unknown";
                         });

}  // namespace
}  // namespace vellumo::design
