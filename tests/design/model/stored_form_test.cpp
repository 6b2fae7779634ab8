// The stored form of the shape, line and barcode objects: the exact bytes
// with defaults left out as the writing rules say, round trips through
// the stream, and refusals of what a class does not have.
#include <gtest/gtest.h>

#include "design/model/fim_barcode.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/object_classes.h"
#include "design/model/postnet_barcode.h"
#include "design/stream/design_stream_reader.h"
#include "design/stream/design_stream_writer.h"
#include "stored_bytes.h"
#include "stored_round_trip.h"

namespace vellumo::design {
namespace {

using namespace testing;

// Names the object as a first drawing and moves it, keeping its size.
void Place(TGGraphicControl& object, int left, int top) {
  object.SetName("Special1");
  object.SetBounds(QRect(left, top, object.Width(), object.Height()));
}

TEST(ShapeStoredForm, DefaultShapeWritesTransparentAndNoPenOrBrush) {
  TGLabelShapes shape;
  Place(shape, 10, 20);
  EXPECT_EQ(BytesOf(shape), List(Record("TGLabelShapes", "Special1", Common(10, 20, 25, 25) +
                                                                       Bool("Transparent", false))));
}

TEST(ShapeStoredForm, BluePenOfThreeUnitsWritesColourNameAndWidthOnly) {
  TGLabelShapes shape;
  Place(shape, 10, 20);
  shape.Pen.colour = kClBlue;
  shape.Pen.width = 3;
  EXPECT_EQ(BytesOf(shape), List(Record("TGLabelShapes", "Special1",
                                        Common(10, 20, 25, 25) + Bool("Transparent", false) +
                                            Ident("Pen.Color", "clBlue") + Int8("Pen.Width", 3))));
}

TEST(ShapeStoredForm, TransparentRoundedShapeWritesBrushStyleRoundingAndKind) {
  TGLabelShapes shape;
  Place(shape, 10, 20);
  shape.SetTransparent(true);
  shape.RoundPerc = 40;
  shape.Shape = TShapeType::stRoundRect;
  EXPECT_EQ(BytesOf(shape), List(Record("TGLabelShapes", "Special1",
                                        Common(10, 20, 25, 25) + Bool("Transparent", true) +
                                            Ident("Brush.Style", "bsClear") + Int8("RoundPerc", 40) +
                                            Ident("Shape", "stRoundRect"))));
}

TEST(ShapeStoredForm, RoundTripKeepsEveryValueAndTheReportClassName) {
  Trpshapes shape;
  shape.SetName("Special1");
  shape.SetBounds(QRect(300, 7, 200, 100));
  shape.Shape = TShapeType::stCircle;
  shape.Brush.colour = 0x123456;
  shape.Pen = {kClBlue, PenMode::kXor, PenStyle::kDot, 4};
  shape.RoundPerc = 70;
  shape.Locked = true;
  const auto copy = RoundTrip(shape);
  ASSERT_NE(copy, nullptr);
  ASSERT_EQ(copy->ClassName(), "Trpshapes");
  const auto& read = static_cast<const Trpshapes&>(*copy);
  EXPECT_EQ(read.Bounds(), shape.Bounds());
  EXPECT_EQ(read.Shape, TShapeType::stCircle);
  EXPECT_EQ(read.Brush, shape.Brush);
  EXPECT_EQ(read.Pen, shape.Pen);
  EXPECT_EQ(read.RoundPerc, 70);
  EXPECT_TRUE(read.Locked);
  EXPECT_FALSE(read.Transparent());
}

TEST(LineStoredForm, HorizontalLineWritesNoStyle) {
  TGLineShape line;
  Place(line, 1, 2);
  EXPECT_EQ(BytesOf(line), List(Record("TGLineShape", "Special1", Common(1, 2, 10, 10))));
}

TEST(LineStoredForm, VerticalThickLineWritesStyleThenPen) {
  TGLineShape line;
  Place(line, 1, 2);
  line.LineStyle = TLineStyle::stVertical;
  line.Pen.width = 10;
  EXPECT_EQ(BytesOf(line), List(Record("TGLineShape", "Special1", Common(1, 2, 10, 10) +
                                                                      Ident("LineStyle", "stVertical") +
                                                                      Int8("Pen.Width", 10))));
  const auto copy = RoundTrip(line);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(static_cast<const TGLineShape&>(*copy).LineStyle, TLineStyle::stVertical);
  EXPECT_EQ(static_cast<const TGLineShape&>(*copy).Pen.width, 10);
}

TEST(PostnetStoredForm, NewObjectWritesTheTypeAlwaysAndNoFieldNames) {
  TGPostNetBarCode barcode;
  Place(barcode, 5, 6);
  EXPECT_EQ(BytesOf(barcode), List(Record("TGPostNetBarCode", "Special1",
                                          Int8("Left", 5) + Int8("Top", 6) + Int16("Width", 249) +
                                              Int8("Height", 12) + Bool("Locked", false) +
                                              Bool("Unselectable", false) + Ident("BarCodeType", "pnbc11Digit"))));
}

TEST(PostnetStoredForm, FieldNamesAndTypeRoundTripButRecordValuesDoNot) {
  TGPostNetBarCode barcode;
  Place(barcode, 5, 6);
  barcode.Postal.zip_field = "ZIP";
  barcode.Postal.address_field = "STREET";
  barcode.BarCodeType = TPostNetBarCodeType::pnbc5Digit;
  MapRecordSource record;
  record.SetField("ZIP", "12345");
  barcode.RefreshData(record);
  const auto copy = RoundTrip(barcode);
  ASSERT_NE(copy, nullptr);
  const auto& read = static_cast<const TGPostNetBarCode&>(*copy);
  EXPECT_EQ(read.Postal.zip_field, "ZIP");
  EXPECT_EQ(read.Postal.address_field, "STREET");
  EXPECT_EQ(read.BarCodeType, TPostNetBarCodeType::pnbc5Digit);
  EXPECT_EQ(read.Postal.zip, "");
}

TEST(FimStoredForm, TypeIsAlwaysWritten) {
  TGFIMBarCode fim;
  Place(fim, 0, 0);
  EXPECT_EQ(BytesOf(fim), List(Record("TGFIMBarCode", "Special1", Common(0, 0, 60, 54) +
                                                                       Ident("FIMType", "fimTypeA"))));
  fim.FIMType = TFIMBarCodeType::fimTypeC;
  const auto copy = RoundTrip(fim);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(static_cast<const TGFIMBarCode&>(*copy).FIMType, TFIMBarCodeType::fimTypeC);
}

TEST(IntelligentMailStoredForm, NewObjectWritesIdentifierAndServiceTypeOnly) {
  TGIMBarCode barcode;
  Place(barcode, 0, 0);
  EXPECT_EQ(BytesOf(barcode),
            List(Record("TGIMBarCode", "Special1",
                        Int8("Left", 0) + Int8("Top", 0) + Int16("Width", 284) + Int8("Height", 14) +
                            Bool("Locked", false) + Bool("Unselectable", false) + Text("BarcodeIdentifier", "00") +
                            Text("ServiceType", "700"))));
}

TEST(IntelligentMailStoredForm, EveryPropertyRoundTrips) {
  TGIMBarCode barcode;
  Place(barcode, 0, 0);
  barcode.BarcodeIdentifier = "01";
  barcode.ServiceType = "234";
  barcode.MailerId = "567094";
  barcode.SerialNumber = "987654321";
  barcode.SerialFromCounter = true;
  barcode.SerialStart = 1000;
  barcode.Postal.zip_field = "ZIP";
  barcode.Postal.address_field = "STREET";
  const auto copy = RoundTrip(barcode);
  ASSERT_NE(copy, nullptr);
  const auto& read = static_cast<const TGIMBarCode&>(*copy);
  EXPECT_EQ(read.BarcodeIdentifier, "01");
  EXPECT_EQ(read.ServiceType, "234");
  EXPECT_EQ(read.MailerId, "567094");
  EXPECT_EQ(read.SerialNumber, "987654321");
  EXPECT_TRUE(read.SerialFromCounter);
  EXPECT_EQ(read.SerialStart, 1000);
  EXPECT_EQ(read.Postal.zip_field, "ZIP");
  EXPECT_EQ(read.Postal.address_field, "STREET");
}

TEST(CommonStoredForm, TagCursorAndHintAreWrittenInTheirPlacesWhenSet) {
  TGLineShape line;
  Place(line, 1, 2);
  line.Tag = 300;
  line.Cursor = -21;
  line.Hint = "tip";
  line.Locked = true;
  EXPECT_EQ(BytesOf(line),
            List(Record("TGLineShape", "Special1",
                        Int16("Tag", 300) + Int8("Left", 1) + Int8("Top", 2) + Int8("Width", 10) +
                            Int8("Height", 10) + Ident("Cursor", "crHandPoint") + Text("Hint", "tip") +
                            Bool("Locked", true) + Bool("Unselectable", false))));
}

TEST(StoredFormRefusals, PropertyOfAnotherClassIsAnError) {
  TGFIMBarCode fim;
  StoredObject stored{"TGFIMBarCode", "Component0", {{"LineStyle", Value::Identifier("stVertical")}}};
  EXPECT_FALSE(fim.Restore(stored).ok());
}

TEST(StoredFormRefusals, IdentifierOutsideTheTypeIsAnError) {
  TGLineShape line;
  StoredObject stored{"TGLineShape", "Component0", {{"LineStyle", Value::Identifier("stDiagonal")}}};
  EXPECT_FALSE(line.Restore(stored).ok());
}

TEST(StoredFormRefusals, CommonPropertiesNobodyWritesAreStillRead) {
  TGLineShape line;
  StoredObject stored{"TGLineShape", "Component0",
                      {{"Tag", Value::Integer(7)}, {"Cursor", Value::Identifier("crHandPoint")},
                       {"Hint", Value::String("tip")}}};
  ASSERT_TRUE(line.Restore(stored).ok());
  EXPECT_EQ(line.Tag, 7);
  EXPECT_EQ(line.Cursor, -21);
  EXPECT_EQ(line.Hint, "tip");
}

}  // namespace
}  // namespace vellumo::design
