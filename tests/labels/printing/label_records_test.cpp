// The records of a label run: all (deleted ones left out), those the
// filter passes, the current one only; where the run starts; and the
// table's filter, order and record put back afterwards.
#include <gtest/gtest.h>

#include <vector>

#include "address_table.h"
#include "labels/printing/label_records.h"
#include "test_home.h"

namespace vellumo {
namespace {

class LabelRecordsTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"ADAMS", "10001"},
                                                      {"BAKER", "10002"},
                                                      {"CLARK", "10003", true},
                                                      {"DAVIS", "10004"},
                                                      {"EVANS", "10005"}});
    ASSERT_TRUE(table_);
  }

  // Record numbers from the current record to the end.
  std::vector<uint32_t> Walk() {
    std::vector<uint32_t> records;
    while (!table_->Eof()) {
      records.push_back(table_->RecNo());
      EXPECT_TRUE(table_->Skip(1).ok());
    }
    return records;
  }

  ChosenRecords Choose(LabelRecordChoice choice, uint32_t current, bool from_current) {
    ChosenRecords chosen;
    const xbase::Status status = ChooseLabelRecords(*table_, choice, current, from_current, &chosen);
    EXPECT_TRUE(status.ok()) << status.ToString();
    return chosen;
  }

  std::unique_ptr<xbase::Table> table_;
};

TEST_F(LabelRecordsTest, AllRecordsLeavesOutDeletedOnesWhateverTheFilter) {
  ASSERT_TRUE(table_->SetFilter("LNAME = 'B'").ok());
  EXPECT_FALSE(Choose(LabelRecordChoice::kAll, 2, false).out_of_range);
  EXPECT_EQ(Walk(), (std::vector<uint32_t>{1, 2, 4, 5}));
}

TEST_F(LabelRecordsTest, MatchingFilterKeepsTheFilterInForce) {
  ASSERT_TRUE(table_->SetFilter("LNAME >= 'C' .AND. !ISDEL").ok());
  Choose(LabelRecordChoice::kMatchingFilter, 1, false);
  EXPECT_EQ(Walk(), (std::vector<uint32_t>{4, 5}));
}

TEST_F(LabelRecordsTest, CurrentOnlyIsThatOneRecord) {
  Choose(LabelRecordChoice::kCurrentOnly, 4, false);
  EXPECT_EQ(Walk(), (std::vector<uint32_t>{4}));
}

TEST_F(LabelRecordsTest, StartFromCurrentRunsToTheEndInTheOrderInForce) {
  ASSERT_TRUE(table_->SetOrder(table_->TagArea("ZIP")).ok());
  ASSERT_TRUE(table_->SetFilter("!ISDEL").ok());
  EXPECT_FALSE(Choose(LabelRecordChoice::kAll, 2, true).out_of_range);
  EXPECT_EQ(Walk(), (std::vector<uint32_t>{2, 4, 5}));
}

TEST_F(LabelRecordsTest, CurrentRecordOutsideTheChoiceStartsAtTheFirst) {
  ASSERT_TRUE(table_->SetFilter("LNAME >= 'D'").ok());
  EXPECT_TRUE(Choose(LabelRecordChoice::kMatchingFilter, 1, true).out_of_range);
  EXPECT_EQ(Walk(), (std::vector<uint32_t>{4, 5}));
  // A deleted record is outside "all records" too.
  EXPECT_TRUE(Choose(LabelRecordChoice::kAll, 3, true).out_of_range);
  EXPECT_EQ(Walk(), (std::vector<uint32_t>{1, 2, 4, 5}));
  EXPECT_STREQ(kOutOfRangeMessage, "Current record is out of range. Starting with first record");
}

TEST_F(LabelRecordsTest, KeeperPutsFilterOrderRecordAndExactBack) {
  const int zip_order = table_->TagArea("ZIP");
  ASSERT_TRUE(table_->SetFilter("LNAME >= 'B'").ok());
  ASSERT_TRUE(table_->SetOrder(table_->TagArea("LNAME")).ok());
  ASSERT_TRUE(table_->Go(4).ok());
  {
    TableStateKeeper keeper(*table_);
    Choose(LabelRecordChoice::kCurrentOnly, 2, false);
    ASSERT_TRUE(table_->SetOrder(zip_order).ok());
    table_->SetExact(true);
    EXPECT_EQ(keeper.Restore().ToString(), xbase::Status::OK().ToString());
  }
  EXPECT_EQ(table_->filter(), "LNAME >= 'B'");
  EXPECT_EQ(table_->IndexOrd(), table_->TagArea("LNAME"));
  EXPECT_EQ(table_->RecNo(), 4u);
  EXPECT_FALSE(table_->exact());
}

TEST_F(LabelRecordsTest, KeeperRestoresWhenItGoesOutOfScope) {
  ASSERT_TRUE(table_->Go(5).ok());
  {
    TableStateKeeper keeper(*table_);
    Choose(LabelRecordChoice::kAll, 5, false);
    EXPECT_EQ(table_->RecNo(), 1u);
  }
  EXPECT_EQ(table_->filter(), "");
  EXPECT_EQ(table_->RecNo(), 5u);
}

}  // namespace
}  // namespace vellumo
