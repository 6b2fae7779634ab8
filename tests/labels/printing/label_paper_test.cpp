// The paper a stock asks for: codes, portrait-wise sizes, the drivers
// never asked for a custom size, the tolerance of the confirmation and
// the question's text.
#include <gtest/gtest.h>

#include "address_stock.h"
#include "labels/printing/label_paper.h"

namespace vellumo {
namespace {

StockGeometry Sheet(const char* code, double width, double depth) {
  StockGeometry g = AddressStock();
  g.paper_size = code;
  g.sheet_width = width;
  g.sheet_depth = depth;
  return g;
}

TEST(LabelPaper, CodesOfThePaperSizes) {
  EXPECT_EQ(PaperForStock(Sheet("LTR", 8.5, 11)).code, 1);
  EXPECT_EQ(PaperForStock(Sheet("LTRL", 11, 8.5)).code, 1);
  EXPECT_EQ(PaperForStock(Sheet("A4", 8.27, 11.69)).code, 9);
  EXPECT_EQ(PaperForStock(Sheet("A4L", 11.69, 8.27)).code, 9);
  EXPECT_EQ(PaperForStock(Sheet("A5", 5.83, 8.27)).code, 11);
  EXPECT_EQ(PaperForStock(Sheet("USERP", 4, 6)).code, 0);
  EXPECT_EQ(PaperForStock(Sheet("USERL", 6, 4)).code, 0);
}

TEST(LabelPaper, LandscapeLetterIsLetterInLandscapeConfirmedPortraitWise) {
  const LabelPaper paper = PaperForStock(Sheet("LTRL", 11, 8.5));
  EXPECT_TRUE(paper.landscape);
  EXPECT_DOUBLE_EQ(paper.width, 8.5);
  EXPECT_DOUBLE_EQ(paper.height, 11);
  // The printer turned to landscape reads its long side as the width.
  EXPECT_FALSE(PaperNeedsQuestion(paper, QSizeF(11, 8.5)));
  EXPECT_TRUE(PaperNeedsQuestion(paper, QSizeF(8.5, 11)));
}

TEST(LabelPaper, PortraitSizesAreRoundedToHundredths) {
  const LabelPaper paper = PaperForStock(Sheet("USERP", 4.004, 5.996));
  EXPECT_FALSE(paper.landscape);
  EXPECT_DOUBLE_EQ(paper.width, 4);
  EXPECT_DOUBLE_EQ(paper.height, 6);
}

TEST(LabelPaper, ReadSizeWithinAHalfTenthOfAnInchConfirms) {
  const LabelPaper letter = PaperForStock(Sheet("LTR", 8.5, 11));
  EXPECT_FALSE(PaperNeedsQuestion(letter, QSizeF(8.5, 11)));
  EXPECT_FALSE(PaperNeedsQuestion(letter, QSizeF(8.55, 10.95)));
  EXPECT_FALSE(PaperNeedsQuestion(letter, QSizeF(8.454, 11.054)));  // 8.45 and 11.05 once rounded
  EXPECT_TRUE(PaperNeedsQuestion(letter, QSizeF(8.56, 11)));
  EXPECT_TRUE(PaperNeedsQuestion(letter, QSizeF(8.5, 11.7)));
  EXPECT_TRUE(PaperNeedsQuestion(letter, std::nullopt));
}

TEST(LabelPaper, CustomSizeIsNeverRequestedOfAnHpfdjDriverSoItIsAlwaysAsked) {
  const LabelPaper custom = PaperForStock(Sheet("USERP", 4, 6));
  EXPECT_TRUE(SkipsPaperRequest(custom, QStringLiteral("hpfdj50")));
  EXPECT_TRUE(SkipsPaperRequest(custom, QStringLiteral("Printer HPFDJ 3")));
  EXPECT_FALSE(SkipsPaperRequest(custom, QStringLiteral("PDF")));
  EXPECT_FALSE(SkipsPaperRequest(PaperForStock(Sheet("LTR", 8.5, 11)), QStringLiteral("HPFDJ")));
  // Unconfirmed, so asked.
  EXPECT_TRUE(PaperNeedsQuestion(custom, std::nullopt));
}

TEST(LabelPaper, QuestionNamesTheSizeWithTwoDecimals) {
  EXPECT_EQ(PaperQuestionText(PaperForStock(Sheet("USERP", 4, 6))),
            QStringLiteral("Unable to confirm that the paper size was set to\r\n\r\n4.00\" by 6.00\"\r\n\r\n"
                           "(you may have the wrong printer selected)\r\n\r\nWould you like to try printing anyways?"));
}

}  // namespace
}  // namespace vellumo
