// What the page keeps of the last label's text fit: shrunk and unfit are
// gathered from every shrinking object, start over at ResetTextFit, and
// leave text that keeps its size out.
#include <gtest/gtest.h>

#include "design/model/multi_line_label.h"
#include "page_fixture.h"
#include "printing/report_destinations.h"

namespace vellumo::design {
namespace {

class PageTextFit : public testing::PageTest {
 protected:
  // A fixed multi-line text with these lines in a box of these bounds.
  TGMultiLineLabel* AddText(std::vector<std::string> lines, const QRect& bounds, bool shrink) {
    auto text = std::make_unique<TGMultiLineLabel>();
    text->Items = std::move(lines);
    text->ShrinkToFit = shrink;
    TGGraphicControl* object = page_.PlaceObject(std::move(text), QRect(0, 0, 10, 10));
    object->SetBounds(bounds);
    return static_cast<TGMultiLineLabel*>(object);
  }

  // One label printed after ResetTextFit, as a print job does per label.
  TGBasePanel::TextFit PrintLabel() {
    TCanvasReport canvas(QSizeF(3, 1.5), 96);
    page_.ResetTextFit();
    canvas.OnPrint = [this](TBaseReport& r) { page_.PrintObjects(r, 0, 0); };
    EXPECT_TRUE(canvas.Execute());
    return page_.LastTextFit();
  }
};

TEST_F(PageTextFit, ALongNameInANarrowBlockIsShrunkAndFits) {
  TGMultiLineLabel* text = AddText({"Bartholomew Featherstonehaugh-Worthington"}, QRect(4, 4, 220, 30), true);
  const TGBasePanel::TextFit fit = PrintLabel();
  EXPECT_TRUE(fit.shrunk);
  EXPECT_FALSE(fit.unfit);
  EXPECT_TRUE(text->LastPrintFit().fits);
}

TEST_F(PageTextFit, TextTooLongEvenAtTheSmallestSizeIsUnfit) {
  AddText({"Bartholomew Featherstonehaugh-Worthington the Third of Little Snoring"}, QRect(4, 4, 40, 12), true);
  const TGBasePanel::TextFit fit = PrintLabel();
  EXPECT_TRUE(fit.shrunk);
  EXPECT_TRUE(fit.unfit);
}

TEST_F(PageTextFit, EachLabelStartsOverAfterTheReset) {
  TGMultiLineLabel* text = AddText({"Bartholomew Featherstonehaugh-Worthington"}, QRect(4, 4, 220, 30), true);
  ASSERT_TRUE(PrintLabel().shrunk);
  text->Items = {"Al Bo"};
  const TGBasePanel::TextFit fit = PrintLabel();
  EXPECT_FALSE(fit.shrunk);
  EXPECT_FALSE(fit.unfit);
}

TEST_F(PageTextFit, OneShrunkObjectMarksTheLabelWhateverTheOthersDo) {
  AddText({"Al Bo"}, QRect(4, 4, 220, 30), true);
  AddText({"Bartholomew Featherstonehaugh-Worthington"}, QRect(4, 40, 220, 30), true);
  AddText({"Cy"}, QRect(4, 80, 150, 14), true);
  EXPECT_TRUE(PrintLabel().shrunk);
}

TEST_F(PageTextFit, TextThatKeepsItsSizeIsNeitherShrunkNorUnfit) {
  TGMultiLineLabel* text =
      AddText({"Bartholomew Featherstonehaugh-Worthington the Third of Little Snoring"}, QRect(4, 4, 40, 12), false);
  const TGBasePanel::TextFit fit = PrintLabel();
  EXPECT_FALSE(fit.shrunk);
  EXPECT_FALSE(fit.unfit);
  EXPECT_FALSE(text->LastPrintFit().shrunk);
  EXPECT_FALSE(text->LastPrintFit().fits);
}

}  // namespace
}  // namespace vellumo::design
