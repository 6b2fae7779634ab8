// The "What to Print" rules: which choices can be made, how the presort
// follows the record choice, and when a presort list stops belonging to it.
#include "labels/windows/label_setup_rules.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace vellumo {
namespace {

TEST(WhatToPrintTest, StartsOnTheFilterWhenThereIsOneElseOnAllRecords) {
  WhatToPrint filtered(true);
  EXPECT_EQ(filtered.choice(), LabelRecordChoice::kMatchingFilter);
  EXPECT_TRUE(filtered.matching_filter_enabled());

  WhatToPrint unfiltered(false);
  EXPECT_EQ(unfiltered.choice(), LabelRecordChoice::kAll);
  EXPECT_FALSE(unfiltered.matching_filter_enabled());
  unfiltered.Choose(LabelRecordChoice::kMatchingFilter);
  EXPECT_EQ(unfiltered.choice(), LabelRecordChoice::kAll);
}

TEST(WhatToPrintTest, OnlyTheCurrentRecordTakesThePresortAwayAndTheOthersGiveItBackUnchecked) {
  WhatToPrint what(true);
  what.SetPresort(true);
  what.Choose(LabelRecordChoice::kCurrentOnly);
  EXPECT_FALSE(what.presort_enabled());
  EXPECT_FALSE(what.presort_checked());
  what.SetPresort(true);
  EXPECT_FALSE(what.presort_checked());

  what.Choose(LabelRecordChoice::kAll);
  EXPECT_TRUE(what.presort_enabled());
  EXPECT_FALSE(what.presort_checked());
  // Between the two others the check stays as it is.
  what.SetPresort(true);
  what.Choose(LabelRecordChoice::kMatchingFilter);
  EXPECT_TRUE(what.presort_checked());
}

TEST(WhatToPrintTest, APresortListBelongsToTheChoiceItWasMadeFor) {
  WhatToPrint what(true);
  what.Choose(LabelRecordChoice::kAll);
  what.SetPresort(true);
  EXPECT_TRUE(what.NeedsPresort());
  what.PresortMade({7, 9});
  EXPECT_FALSE(what.NeedsPresort());
  EXPECT_EQ(what.left_out(), (std::vector<uint32_t>{7, 9}));

  // The same choice again, or the presort switched off and on, keeps it.
  what.Choose(LabelRecordChoice::kAll);
  what.SetPresort(false);
  what.SetPresort(true);
  EXPECT_FALSE(what.NeedsPresort());

  what.Choose(LabelRecordChoice::kMatchingFilter);
  EXPECT_TRUE(what.NeedsPresort());
  EXPECT_TRUE(what.left_out().empty());

  what.PresortMade({});
  what.SetStartFromCurrent(true);
  EXPECT_TRUE(what.NeedsPresort());
}

TEST(StockReadoutsTest, ShowTheStockAndNameAHandMadeOneUserDefined) {
  Stock stock;
  stock.description = "Avery 5160  Address";
  stock.geometry.label_height = 1;
  stock.geometry.label_width = 2.625;
  stock.geometry.across = 3;
  stock.geometry.down = 10;
  stock.geometry.paper_size = "LTR";
  stock.geometry.sheet_width = 8.5;
  stock.geometry.sheet_depth = 11;
  const auto shown = StockReadouts(stock);
  EXPECT_EQ(QStringList(shown.begin(), shown.end()),
            (QStringList{"Avery 5160  Address", "1.000", "2.625", "3", "10", "LTR", "8.500", "11.000"}));
  stock.description.clear();
  EXPECT_EQ(StockReadouts(stock)[0], "[User Defined]");
}

TEST(LeftOutTextsTest, CountTheRecords) {
  EXPECT_TRUE(LeftOutQuestion(1).startsWith("1 of the chosen records has no usable ZIP code"));
  EXPECT_TRUE(LeftOutQuestion(3).startsWith("3 of the chosen records have no usable ZIP code"));
  EXPECT_EQ(LeftOutNotPrintedText(3), "The 3 records without a usable ZIP code will not be printed.");
}

}  // namespace
}  // namespace vellumo
