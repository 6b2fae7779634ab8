// Presorted label runs: separator labels and groups in the order of the
// presort list, keys matched whole (never by a longer or other-case ZIP),
// records the filter hides, lines without records, and the records
// without a usable ZIP after the groups.
#include <gtest/gtest.h>

#include "label_run_fixture.h"
#include "labels/printing/label_feed.h"

namespace vellumo {
namespace {

class PresortRunTest : public LabelRunTest {
 protected:
  LabelRunTally RunPresort(std::vector<std::string> lines, std::vector<uint32_t> unsorted = {}) {
    LabelRunInput input = Input();
    input.presort = true;
    input.presort_lines = std::move(lines);
    input.unsorted_records = std::move(unsorted);
    return Run(input);
  }
};

TEST_F(PresortRunTest, FiveLineListPrintsEachSeparatorBeforeItsGroup) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"),
                            {{"N1", "12302"}, {"N2", "12345"}, {"N3", "12301"}, {"N4", "12345-6789"}, {"N5", "12302"}});
  const LabelRunTally tally =
      RunPresort({"** 5-digit 12345", "12345", "** 3-digit 123", "12301", "12302"});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** 5-digit 12345", "1/1 N2", "1/2 N4", "1/3 ** 3-digit 123", "1/4 N3",
                                  "1/5 N1", "1/6 N5"}));
  EXPECT_EQ(tally.separators, 2u);
  EXPECT_EQ(tally.labels_printed, 5u);
  EXPECT_EQ(tally.records_printed, 5u);
}

TEST_F(PresortRunTest, SeparatorTextStandsAThirdOfThePitchDown) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"N1", "12345"}});
  RunPresort({"** 5-digit 12345", "12345"});
  const PdfWord* mark = FindWord(words_, QStringLiteral("**"));
  ASSERT_NE(mark, nullptr);
  const CellOrigin cell = AddressStock().Cell(0, 0);
  EXPECT_NEAR(mark->x_min, (cell.x + 0.15) * 72, 1.5);
  EXPECT_NEAR(mark->y_min, (cell.y + 1.01 / 3) * 72, 2.5);
  EXPECT_LT(mark->y_max - mark->y_min, 12);  // 8-point text
}

TEST_F(PresortRunTest, ShortKeyTakesOnlyItsOwnZipNotLongerOnes) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"A", "1234"}, {"B", "12345"}, {"C", "12345"}});
  const LabelRunTally tally = RunPresort({"** 5-digit 12345", "12345", "** Unknown", "1234"});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** 5-digit 12345", "1/1 B", "1/2 C", "1/3 ** Unknown", "1/4 A"}));
  EXPECT_EQ(tally.labels_printed, 3u);
}

TEST_F(PresortRunTest, KeysDifferingOnlyInCaseEachTakeTheirOwnRecords) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"X", "1a234"}, {"Y", "1A234"}, {"Z", "1a234"}});
  RunPresort({"** Unknown", "1A234", "1a234"});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** Unknown", "1/1 Y", "1/2 X", "1/3 Z"}));
}

TEST_F(PresortRunTest, LinesWithoutRecordsAndHiddenRecordsAreSkipped) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"GONE", "12345", true}, {"KEPT", "12345"}, {"OTHER", "12399"}});
  ASSERT_TRUE(table_->SetFilter("NOT ISDEL").ok());
  const LabelRunTally tally = RunPresort({"** ADC ALBANY NY 120", "11111", "12345", "12346", "** Unknown", "00100"});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** ADC ALBANY NY 120", "1/1 KEPT", "1/2 ** Unknown"}));
  EXPECT_EQ(tally.records_printed, 1u);
}

TEST_F(PresortRunTest, RecordsWithoutAUsableZipFollowBehindTheirOwnSeparator) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"N1", ""}, {"N2", "12345"}, {"N3", "K1A 0B1"}});
  const LabelRunTally tally = RunPresort({"** 5-digit 12345", "12345"}, {1, 3});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** 5-digit 12345", "1/1 N2", "1/2 ** No presort ZIP: 2 records", "1/3 N1",
                                  "1/4 N3"}));
  EXPECT_EQ(tally.labels_printed, 3u);
  EXPECT_EQ(tally.separators, 2u);
}

TEST_F(PresortRunTest, EmptyListPrintsOnlyTheRecordsWithoutAUsableZip) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"N1", "K1A 0B1"}});
  RunPresort({}, {1});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** No presort ZIP: 1 record", "1/1 N1"}));
  RunPresort({});
  EXPECT_TRUE(words_.empty());
}

TEST_F(PresortRunTest, SeparatorsPrintOnceWhateverTheCopies) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"N1", "12345"}});
  LabelRunInput input = Input();
  input.presort = true;
  input.presort_lines = {"** 5-digit 12345", "12345"};
  input.copies = 2;
  Run(input);
  EXPECT_EQ(Cells(), QStringList({"1/0 ** 5-digit 12345", "1/1 N1", "1/2 N1"}));
}

TEST_F(PresortRunTest, OrderAndExactComparisonArePutBack) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), {{"N1", "12345"}});
  const int name_order = table_->TagArea("LNAME");
  ASSERT_TRUE(table_->SetOrder(name_order).ok());
  table_->SetExact(true);
  RunPresort({"** 5-digit 12345", "12345"});
  EXPECT_EQ(Cells(), QStringList({"1/0 ** 5-digit 12345", "1/1 N1"}));
  EXPECT_EQ(table_->IndexOrd(), name_order);
  EXPECT_TRUE(table_->exact());
}

TEST_F(PresortRunTest, TableWithoutAZipOrderIsAnErrorNotAnEmptyRun) {
  const std::string path = DataPath("PLAIN.DBF").toStdString();
  ASSERT_TRUE(xbase::Table::Create(path, {{.name = "LNAME", .length = 10}, {.name = "ZIP", .length = 10}}).ok());
  ASSERT_TRUE(xbase::Table::Open(path, {}, &table_).ok());
  const LabelRunTally tally = RunPresort({"** 5-digit 12345", "12345"});
  EXPECT_FALSE(tally.error.isEmpty());
  EXPECT_EQ(tally.labels_printed, 0u);
}

TEST(UnsortedSeparator, CountsTheRecords) {
  EXPECT_EQ(UnsortedSeparatorText(1), QStringLiteral("** No presort ZIP: 1 record"));
  EXPECT_EQ(UnsortedSeparatorText(12), QStringLiteral("** No presort ZIP: 12 records"));
}

}  // namespace
}  // namespace vellumo
