// The picker's view of the delivered catalogue: where it opens, the
// stocks it shows in name order, and the name search.
#include "labels/stock/catalogue_picker.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>

#include "catalogue_test.h"
#include "core/text_codec.h"
#include "xbase/codepage.h"

namespace vellumo {
namespace {

const QString kDefaultStock = QStringLiteral("Avery 5160  Address");

class CataloguePickerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table_ = OpenDeliveredCatalogue();
    ASSERT_NE(table_, nullptr);
    picker_ = std::make_unique<StockCataloguePicker>(table_.get());
    ASSERT_TRUE(picker_->Load().ok());
  }
  QString Current() const {
    return picker_->current() < 0 ? QString() : FromTable(picker_->stocks()[picker_->current()].description);
  }
  int EntryOf(const char* text) const {
    const auto& entries = picker_->maker_entries();
    const auto at = std::find_if(entries.begin(), entries.end(), [text](const auto& e) { return e.text == text; });
    return at == entries.end() ? -1 : static_cast<int>(at - entries.begin());
  }

  std::unique_ptr<xbase::Table> table_;
  std::unique_ptr<StockCataloguePicker> picker_;
};

TEST_F(CataloguePickerTest, OpensAtTheDesignsStock) {
  ASSERT_TRUE(picker_->Position({kDefaultStock, "LJ", "AVERY", "ADDRESS/SHIPPING LABELS", false}).ok());
  EXPECT_EQ(picker_->maker(), 0);
  EXPECT_EQ(picker_->product_type(), 0);
  EXPECT_EQ(Current(), kDefaultStock);
  EXPECT_GT(picker_->stocks().size(), 1u);
  EXPECT_NE(picker_->current(), 0) << "the default stock is not the first Avery address label";
}

TEST_F(CataloguePickerTest, AUserDefinedStockOrTheDefaultsOpenAtTheFirstAveryLaserAddressLabel) {
  for (const PickerStart& start :
       {PickerStart{"", "", "USER", "", false}, PickerStart{kDefaultStock, "IJ", "HERMA", "CARD PRODUCTS", true}}) {
    ASSERT_TRUE(picker_->Position(start).ok());
    EXPECT_EQ(picker_->maker(), 0);
    EXPECT_EQ(picker_->product_type(), 0);
    EXPECT_EQ(picker_->current(), 0);
    EXPECT_EQ(picker_->ListFilter(), StockCatalogueFilter(&picker_->maker_entries()[0], 0, false));
  }
}

TEST_F(CataloguePickerTest, AStockNoLongerCataloguedLeavesTheLastOfTheListCurrent) {
  ASSERT_TRUE(picker_->Position({"Avery 0000  Gone", "LJ", "AVERY", "ADDRESS/SHIPPING LABELS", false}).ok());
  EXPECT_EQ(picker_->current(), static_cast<int>(picker_->stocks().size()) - 1);
  ASSERT_TRUE(picker_->Position({"avery 5160  address", "LJ", "AVERY", "", false}).ok());
  EXPECT_EQ(picker_->product_type(), kAllProductTypes);
  EXPECT_EQ(picker_->current(), static_cast<int>(picker_->stocks().size()) - 1) << "names compare with case";
}

TEST_F(CataloguePickerTest, OtherMakersOpenAtTheirOwnEntry) {
  ASSERT_TRUE(picker_->Position({"", "LJ", "HERMA", "miscellaneous", false}).ok());
  ASSERT_GE(picker_->maker(), 0);
  EXPECT_EQ(picker_->maker_entries()[picker_->maker()].text, "Herma Laserjet");
  EXPECT_EQ(picker_->product_type(), 5);
  ASSERT_FALSE(picker_->stocks().empty());
  for (const Stock& s : picker_->stocks()) EXPECT_EQ(s.maker, "HERMA");
}

TEST_F(CataloguePickerTest, StocksAreShownInNameOrderWithoutCase) {
  ASSERT_TRUE(picker_->Position({"", "", "", "", false}).ok());
  ASSERT_TRUE(picker_->SetMaker(-1).ok());
  EXPECT_EQ(picker_->stocks().size(), table_->RecCount());
  std::vector<std::string> keys;
  for (const Stock& s : picker_->stocks()) keys.push_back(xbase::UpperCaseWindows1252(s.description));
  EXPECT_TRUE(std::is_sorted(keys.begin(), keys.end()));
}

TEST_F(CataloguePickerTest, AChoiceWithNoStocksShowsNoneAndCurrentIsNone) {
  ASSERT_TRUE(picker_->Position({kDefaultStock, "LJ", "AVERY", "ADDRESS/SHIPPING LABELS", false}).ok());
  ASSERT_TRUE(picker_->SetMaker(EntryOf("Avery Dot Matrix")).ok());
  EXPECT_TRUE(picker_->stocks().empty());
  EXPECT_EQ(picker_->current(), -1);
  ASSERT_TRUE(picker_->SetMaker(EntryOf("Avery Laserjet")).ok());
  EXPECT_EQ(picker_->current(), 0) << "widening the filter again shows its first stock";
}

TEST_F(CataloguePickerTest, NameSearchNarrowsTheListAndKeepsTheCurrentStock) {
  ASSERT_TRUE(picker_->Position({kDefaultStock, "LJ", "AVERY", "ADDRESS/SHIPPING LABELS", false}).ok());
  const size_t all = picker_->stocks().size();
  ASSERT_TRUE(picker_->SetSearch("516").ok());
  EXPECT_LT(picker_->stocks().size(), all);
  EXPECT_EQ(Current(), kDefaultStock);
  for (const Stock& s : picker_->stocks()) EXPECT_NE(s.description.find("516"), std::string::npos);
  ASSERT_TRUE(picker_->SetSearch("5163").ok());
  EXPECT_NE(Current(), kDefaultStock);
  EXPECT_EQ(picker_->current(), 0);
  ASSERT_TRUE(picker_->SetSearch("zzz-no-such").ok());
  EXPECT_TRUE(picker_->stocks().empty());
  ASSERT_TRUE(picker_->SetSearch("").ok());
  EXPECT_EQ(picker_->stocks().size(), all);
  ASSERT_TRUE(picker_->SetEuropeanOnly(true).ok());
  for (const Stock& s : picker_->stocks()) EXPECT_EQ(s.geometry.paper_size[0], 'A');
  EXPECT_EQ(picker_->Filter(), picker_->ListFilter());
}

}  // namespace
}  // namespace vellumo
