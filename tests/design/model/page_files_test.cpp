// Zoom, saving and loading, the object clipboard with its repeat guard,
// and cloning.
#include <gtest/gtest.h>

#include <limits>

#include "design/model/fim_barcode.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/postnet_barcode.h"
#include "design/stream/design_file.h"
#include "page_fixture.h"

namespace vellumo::design {
namespace {

using testing::PageTest;

std::vector<QRect> BoundsOf(const TGBasePanel& page) {
  std::vector<QRect> bounds;
  for (const auto& object : page.Objects()) bounds.push_back(object->Bounds());
  return bounds;
}

using Zoom = PageTest;

TEST_F(Zoom, RepeatedZoomingLeavesEveryPositionUnchanged) {
  AddShape(13, 7, 33, 19);
  AddShape(101, 55, 17, 3);
  AddShape(1, 1, 1, 1);
  const std::vector<QRect> before = BoundsOf(page_);
  for (float zoom : {1.5f, 0.7f, 2.0f, 1.0f}) page_.SetZoom(zoom);
  EXPECT_EQ(BoundsOf(page_), before);
  EXPECT_EQ(page_.Size(), QSize(252, 96));
}

TEST_F(Zoom, ZeroNegativeAndNonNumbersAreIgnored) {
  page_.SetZoom(1.5f);
  for (float zoom : {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    page_.SetZoom(zoom);
  }
  EXPECT_EQ(page_.Zoom(), 1.5f);
}

TEST_F(Zoom, ViewPixelsMapBackToUnitsAndFindTheFrontObject) {
  TGGraphicControl* back = AddShape(10, 10, 50, 50);
  TGGraphicControl* front = AddShape(30, 30, 50, 50);
  page_.SetZoom(2.0f);
  EXPECT_EQ(page_.UnitsAt(QPointF(41, 41)), QPoint(20, 20));
  EXPECT_EQ(page_.ObjectAt(page_.UnitsAt(QPointF(41, 41))), back);
  EXPECT_EQ(page_.ObjectAt(page_.UnitsAt(QPointF(100, 100))), front);
  EXPECT_EQ(page_.ObjectAt(page_.UnitsAt(QPointF(4, 4))), nullptr);
}

TEST_F(Zoom, SavingAtOneAndAHalfWritesUnitsOfZoomOneAndKeepsTheZoom) {
  AddShape(13, 7, 33, 19);
  page_.SetZoom(1.5f);
  ASSERT_TRUE(page_.SaveToFile("/prog/BIN00001.L").ok());
  EXPECT_EQ(page_.Zoom(), 1.5f);
  DesignReadResult file = ReadDesignFile(env_.get(), "/prog/BIN00001.L");
  ASSERT_TRUE(file.status.ok());
  ASSERT_EQ(file.objects.size(), 1u);
  EXPECT_EQ(file.objects[0].Find("Left")->value.integer(), 13);
  EXPECT_EQ(file.objects[0].Find("Width")->value.integer(), 33);
}

using Files = PageTest;

TEST_F(Files, EmptyPageWritesAnEmptyList) {
  ASSERT_TRUE(page_.SaveToFile("/prog/empty.L").ok());
  Result<std::string> bytes = ReadWholeFile(env_.get(), "/prog/empty.L");
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes, std::string("\x01\x00", 2));
}

TEST_F(Files, LoadKeepsFileOrderAndNamesObjectsComponent) {
  AddShape(1, 1, 10, 10);
  AddShape(2, 2, 10, 10);
  ASSERT_TRUE(page_.SaveToFile("/prog/BIN00001.L").ok());
  TGLabelPanel other("/prog", env_.get());
  ASSERT_TRUE(other.LoadFromFile("/prog/BIN00001.L").ok());
  ASSERT_EQ(other.Objects().size(), 2u);
  EXPECT_EQ(other.Objects()[0]->Name(), "Component0");
  EXPECT_EQ(other.Objects()[0]->Left(), 1);
  EXPECT_EQ(other.Objects()[1]->Name(), "Component1");
  EXPECT_EQ(other.Objects()[1]->Left(), 2);
}

TEST_F(Files, LoadingIsNotAChangeButPastingIs) {
  page_.AddToSelection(AddShape(1, 1, 10, 10));
  ASSERT_TRUE(page_.SaveToFile("/prog/BIN00001.L").ok());
  ASSERT_TRUE(page_.Copy().ok());
  TGLabelPanel other("/prog", env_.get());
  int other_changes = 0;
  other.LabelChangedEvent = [&] { ++other_changes; };
  ASSERT_TRUE(other.LoadFromFile("/prog/BIN00001.L").ok());
  EXPECT_EQ(other_changes, 0);
  ASSERT_TRUE(other.Paste().ok());
  EXPECT_EQ(other_changes, 1);
}

TEST_F(Files, MissingFileLeavesThePageAsItWas) {
  AddShape(1, 1, 10, 10);
  EXPECT_TRUE(page_.LoadFromFile("/prog/none.L").ok());
  EXPECT_EQ(page_.Objects().size(), 1u);
}

TEST_F(Files, UnregisteredClassEndsTheLoadKeepingEarlierObjects) {
  StoredObject line{"TGLineShape", "Special1", {}};
  StoredObject stranger{"TGHologram", "Special2", {}};
  ASSERT_TRUE(WriteDesignFile(env_.get(), "/prog/odd.L", std::vector<StoredObject>{line, stranger}).ok());
  EXPECT_FALSE(page_.LoadFromFile("/prog/odd.L").ok());
  ASSERT_EQ(page_.Objects().size(), 1u);
  EXPECT_EQ(page_.Objects()[0]->ClassName(), "TGLineShape");
}

TEST_F(Files, SavingClearsRecordValuesAndRefreshesThemAfterwards) {
  MapRecordSource record;
  record.SetField("ZIP", "12345");
  page_.SetRecord(&record);
  page_.SetPanelState(TLPanelState::psPostNetBarCode);
  auto* barcode = static_cast<TGPostNetBarCode*>(page_.CreateObjectInRect(QRect(0, 0, 249, 12)));
  ASSERT_NE(barcode, nullptr);
  EXPECT_EQ(barcode->Postal.zip, "12345");
  ASSERT_TRUE(page_.SaveToFile("/prog/BIN00002.L").ok());
  EXPECT_EQ(barcode->Postal.zip, "12345");
}

using Clipboard = PageTest;

TEST_F(Clipboard, PastesLessThanASecondApartPasteOnce) {
  int64_t now = 10'000;
  page_.Now = [&] { return now; };
  page_.AddToSelection(AddShape(20, 30, 10, 10));
  ASSERT_TRUE(page_.Copy().ok());
  ASSERT_TRUE(page_.Paste().ok());
  now += 500;
  ASSERT_TRUE(page_.Paste().ok());
  EXPECT_EQ(page_.Objects().size(), 2u);
}

TEST_F(Clipboard, PastesOneAndAHalfSecondsApartPasteTwiceEachOffsetFromTheStoredPlace) {
  int64_t now = 10'000;
  page_.Now = [&] { return now; };
  page_.AddToSelection(AddShape(20, 30, 10, 10));
  ASSERT_TRUE(page_.Copy().ok());
  ASSERT_TRUE(page_.Paste().ok());
  now += 1500;
  ASSERT_TRUE(page_.Paste().ok());
  ASSERT_EQ(page_.Objects().size(), 3u);
  EXPECT_EQ(page_.Objects()[1]->Bounds(), QRect(35, 45, 10, 10));
  EXPECT_EQ(page_.Objects()[2]->Bounds(), QRect(35, 45, 10, 10));
  EXPECT_EQ(page_.Objects()[1]->Name(), "Component0");
  EXPECT_EQ(page_.Objects()[2]->Name(), "Component1");
  EXPECT_EQ(page_.Selection().size(), 1u);
}

TEST_F(Clipboard, PasteWithoutAFileReadsNothing) {
  EXPECT_FALSE(page_.ClipboardExists());
  EXPECT_TRUE(page_.Paste().ok());
  EXPECT_TRUE(page_.Objects().empty());
}

TEST_F(Clipboard, CopyFromTheMenuOfAnUnselectedObjectCopiesItAlone) {
  TGGraphicControl* selected = AddShape(1, 1, 10, 10);
  TGGraphicControl* other = AddShape(50, 50, 10, 10);
  page_.AddToSelection(selected);
  ASSERT_TRUE(page_.Cut(other).ok());
  EXPECT_EQ(page_.Objects().size(), 1u);
  DesignReadResult file = ReadDesignFile(env_.get(), page_.ClipboardPath());
  ASSERT_EQ(file.objects.size(), 1u);
  EXPECT_EQ(file.objects[0].Find("Left")->value.integer(), 50);
  EXPECT_EQ(page_.Selection().size(), 1u);
}

TEST_F(Clipboard, CutOfTheSelectionWritesItInSelectionOrder) {
  TGGraphicControl* a = AddShape(1, 1, 10, 10);
  TGGraphicControl* b = AddShape(2, 2, 10, 10);
  page_.AddToSelection(b);
  page_.AddToSelection(a);
  ASSERT_TRUE(page_.Cut().ok());
  EXPECT_TRUE(page_.Objects().empty());
  DesignReadResult file = ReadDesignFile(env_.get(), page_.ClipboardPath());
  ASSERT_EQ(file.objects.size(), 2u);
  EXPECT_EQ(file.objects[0].Find("Left")->value.integer(), 2);
  EXPECT_EQ(file.objects[1].Find("Left")->value.integer(), 1);
}

TEST_F(Clipboard, WorkFilesAreDeletedWithThePage) {
  {
    TGLabelPanel page("/prog", env_.get());
    page.AddToSelection(page.PlaceObject(std::make_unique<TGLabelShapes>(), QRect(0, 0, 30, 30)));
    ASSERT_TRUE(page.Copy().ok());
    ASSERT_TRUE(env_->FileExists("/prog/Clipbrd.tmp"));
  }
  EXPECT_FALSE(env_->FileExists("/prog/Clipbrd.tmp"));
}

using Counters = PageTest;

TEST_F(Counters, PageResetsAndAdvancesEveryObjectsCounter) {
  auto owned = std::make_unique<TGIMBarCode>();
  TGIMBarCode* barcode = owned.get();
  barcode->MailerId = "123456";
  barcode->SerialFromCounter = true;
  barcode->SerialStart = 5;
  page_.PlaceObject(std::move(owned), QRect(0, 0, 284, 14));
  page_.AdvanceAllCounters();
  page_.AdvanceAllCounters();
  EXPECT_EQ(barcode->Fields().serial_number, "000000007");
  page_.ResetAllCounters();
  EXPECT_EQ(barcode->Fields().serial_number, "000000005");
}

using Clone = PageTest;

TEST_F(Clone, CopyLiesBelowInFrontAndTakesTheSourcesPlaceInTheSelection) {
  TGGraphicControl* a = AddShape(10, 20, 30, 40);
  TGGraphicControl* b = AddShape(0, 0, 10, 10);
  page_.AddToSelection(a);
  page_.AddToSelection(b);
  Result<TGGraphicControl*> copy = page_.Clone(a);
  ASSERT_TRUE(copy.ok());
  EXPECT_EQ((*copy)->Bounds(), QRect(10, 45, 30, 40));
  EXPECT_EQ(page_.Objects().back().get(), *copy);
  EXPECT_EQ((*copy)->Name(), "Component0");
  EXPECT_EQ(page_.Selection(), (std::vector<TGGraphicControl*>{*copy, b}));
}

TEST_F(Clone, UnselectedSourceLeavesTheSelectionAlone) {
  TGGraphicControl* a = AddShape(10, 20, 30, 40);
  Result<TGGraphicControl*> copy = page_.Clone(a);
  ASSERT_TRUE(copy.ok());
  EXPECT_TRUE(page_.Selection().empty());
  EXPECT_EQ(page_.Objects().size(), 2u);
}

}  // namespace
}  // namespace vellumo::design
