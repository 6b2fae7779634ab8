// Objects drawn with a tool size themselves to what they show: a
// single-line text grows to its caption (never shrinking), a multi-line
// text, memo or address block takes one line pitch per line and at least
// its widest line, and an empty one keeps one line.
#include <gtest/gtest.h>

#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "design/stream/font_size.h"
#include "page_fixture.h"

namespace vellumo::design {
namespace {

using testing::PageTest;

// 10 points: a line pitch of a sixth of an inch, 16 units.
constexpr int kTenPointLine = 16;

class PlacementSizing : public PageTest {
 protected:
  PlacementSizing() {
    for (const char* empty : {"PREFIX", "MIDDLE", "TITLE", "ORG", "STREET2", "COUNTRY"}) record_.SetField(empty, "");
    record_.SetField("FNAME", "John");
    record_.SetField("LNAME", "Jones");
    record_.SetField("STREET", "12 Main Street");
    record_.SetField("CITY", "Springfield");
    record_.SetField("STATE", "IL");
    record_.SetField("ZIP", "62701");
    record_.SetMemo("MEMO", "one\r\ntwo\r\nthree");
    record_.SetLabel("Memo", "MEMO");
    page_.SetRecord(&record_);
  }

  TGGraphicControl* Draw(TLPanelState tool, const QRect& dragged) {
    page_.SetPanelState(tool);
    return page_.CreateObjectInRect(dragged);
  }

  MapRecordSource record_;
};

TEST_F(PlacementSizing, AFixedTextGrowsToItsCaptionAndALine) {
  TGGraphicControl* label = Draw(TLPanelState::psLabel, QRect(10, 10, 30, 5));
  ASSERT_NE(label, nullptr);
  // "<text>" and five spaces pass the widened 50 units.
  EXPECT_GT(label->Width(), 50);
  EXPECT_EQ(label->Height(), kTenPointLine);
  EXPECT_EQ(label->Bounds().topLeft(), QPoint(10, 10));
}

TEST_F(PlacementSizing, ADataFieldGrowsToTheCaptionItShowsAfterTheRefresh) {
  TGGraphicControl* field = Draw(TLPanelState::psDataLabel, QRect(10, 10, 30, 5));
  ASSERT_NE(field, nullptr);
  TGPLabel same;
  same.Caption = static_cast<TGPDLabel*>(field)->Caption;  // "<undefined field>"
  same.SetBounds(QRect(10, 10, 50, 15));
  same.GrowToFit();
  EXPECT_EQ(field->Bounds(), same.Bounds());
  EXPECT_GT(field->Width(), 100);
}

TEST_F(PlacementSizing, GrowingNeverShrinksALargerDrawing) {
  TGGraphicControl* label = Draw(TLPanelState::psLabel, QRect(10, 10, 200, 40));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Bounds(), QRect(10, 10, 200, 40));
}

TEST_F(PlacementSizing, ALongerCaptionGrowsWider) {
  TGPLabel short_text, long_text;
  short_text.Caption = "Hi";
  long_text.Caption = "A much longer caption than that";
  for (TGPLabel* label : {&short_text, &long_text}) {
    label->SetBounds(QRect(0, 0, 10, 10));
    label->GrowToFit();
  }
  EXPECT_GT(long_text.Width(), short_text.Width() + 100);
  EXPECT_EQ(long_text.Height(), short_text.Height());
}

TEST_F(PlacementSizing, ShadowAndHighlightMakeRoomForThemselves) {
  TGPLabel plain, raised;
  raised.Effects = {sdDownRight, 3, hdUpLeft, 3};
  for (TGPLabel* label : {&plain, &raised}) {
    label->SetBounds(QRect(0, 0, 10, 10));
    label->GrowToFit();
  }
  // The highlight up-left pushes the text 3 right and 3 down; the shadow
  // lies a further 3 right and down of it.
  EXPECT_EQ(raised.Width(), plain.Width() + 6);
  EXPECT_EQ(raised.Height(), plain.Height() + 6);
}

TEST_F(PlacementSizing, ATurnedTextKeepsItsSize) {
  TGPLabel label;
  label.SetAngle(90);
  label.SetBounds(QRect(0, 0, 10, 10));
  label.GrowToFit();
  EXPECT_EQ(label.Bounds(), QRect(0, 0, 10, 10));
}

TEST_F(PlacementSizing, AnAddressBlockTakesALinePerAddressLine) {
  TGGraphicControl* block = Draw(TLPanelState::psAddressLabel, QRect(0, 0, 60, 20));
  ASSERT_NE(block, nullptr);
  const auto& address = dynamic_cast<TGDMultiLineAddressLabel&>(*block);
  ASSERT_EQ(address.Items.size(), 3u);  // name, street, city line
  EXPECT_EQ(block->Height(), 3 * kTenPointLine);
  // "Springfield  IL 62701" is wider than the 60 units drawn.
  EXPECT_GT(block->Width(), 60);
}

TEST_F(PlacementSizing, AMemoTakesALinePerMemoLine) {
  TGGraphicControl* memo = Draw(TLPanelState::psMultiLineDataLabel, QRect(0, 0, 190, 100));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->Height(), 3 * kTenPointLine);
  EXPECT_EQ(memo->Width(), 190);
}

TEST_F(PlacementSizing, AnEmptyMultiLineTextKeepsOneLineForItsPlaceholder) {
  TGGraphicControl* text = Draw(TLPanelState::psMultiLineLabel, QRect(0, 0, 100, 80));
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Height(), kTenPointLine);
  EXPECT_EQ(text->Width(), 100);
}

TEST_F(PlacementSizing, WrappedLinesAreCountedAtTheObjectsWidth) {
  TGMultiLineLabel text;
  text.Items = {"one two three four five six seven eight nine ten"};
  text.WordWrap = true;
  text.SetBounds(QRect(0, 0, 80, 10));
  text.SizeToLines();
  EXPECT_EQ(text.Width(), 80);
  EXPECT_GT(text.Height(), 2 * kTenPointLine);
  EXPECT_EQ(text.Height() % kTenPointLine, 0);
  text.WordWrap = false;
  text.SizeToLines();
  EXPECT_EQ(text.Height(), kTenPointLine);
  EXPECT_GT(text.Width(), 200);
}

TEST_F(PlacementSizing, ALargerFontTakesLargerLines) {
  TGMultiLineLabel text;
  text.Items = {"a", "b"};
  text.Font.height = FontHeightFromPoints(20);
  text.SizeToLines();
  EXPECT_EQ(text.Height(), 2 * 2 * kTenPointLine);  // 20 points: a third of an inch
}

TEST_F(PlacementSizing, ADrawnTextTakesThePageFontAndOtherObjectsIgnoreIt) {
  StoredFont font = DefaultTextFont();
  font.name = "Times New Roman";
  font.height = FontHeightFromPoints(20);
  page_.Font = font;
  auto* label = static_cast<TGPLabel*>(Draw(TLPanelState::psLabel, QRect(10, 10, 30, 5)));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Font, font);
  // A 20-point line is twice the 10-point one.
  EXPECT_EQ(label->Height(), 2 * kTenPointLine);
  EXPECT_NE(Draw(TLPanelState::psRectangle, QRect(10, 40, 30, 30)), nullptr);
}

}  // namespace
}  // namespace vellumo::design
