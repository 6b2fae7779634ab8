// The label loop on real pages: cells filled row by row and sheet by
// sheet, positions left blank by the mask on every sheet, copies, the
// middle gap, stopping, and what the run leaves behind on the design.
#include <gtest/gtest.h>

#include "design/model/counter_label.h"
#include "label_run_fixture.h"
#include "support/watched_env.h"

namespace vellumo {
namespace {

TEST_F(LabelRunTest, ThirtyFiveRecordsFillOneSheetAndFiveCellsOfTheNext) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(35));
  const LabelRunTally tally = Run(Input());
  EXPECT_EQ(Cells(), Consecutive(1, 0, 1, 35));
  EXPECT_EQ(PageCountOf(Pdf()), 2);
  EXPECT_EQ(tally.pages, 2);
  EXPECT_EQ(tally.labels_printed, 35u);
  EXPECT_EQ(tally.records_printed, 35u);
  EXPECT_EQ(tally.separators, 0u);
  EXPECT_FALSE(tally.stopped);
}

TEST_F(LabelRunTest, RecordsThatFillASheetExactlyStartNoSecondPage) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(30));
  const LabelRunTally tally = Run(Input());
  EXPECT_EQ(Cells(), Consecutive(1, 0, 1, 30));
  EXPECT_EQ(PageCountOf(Pdf()), 1);
  EXPECT_EQ(tally.pages, 1);
}

TEST_F(LabelRunTest, RunStartsAtTheCurrentRecordAndEndsAfterTheLast) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(8));
  ASSERT_TRUE(table_->Go(6).ok());
  Run(Input());
  EXPECT_EQ(Cells(), QStringList({"1/0 R6", "1/1 R7", "1/2 R8"}));
}

TEST_F(LabelRunTest, ClearedFirstRowStaysBlankOnEverySheet) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(35));
  LabelRunInput input = Input();
  for (int cell = 0; cell < 3; ++cell) input.mask.SetSelected(cell, false);
  const LabelRunTally tally = Run(input);
  QStringList expected;
  for (int n = 1; n <= 27; ++n) expected << QStringLiteral("1/%1 R%2").arg(n + 2).arg(n);
  for (int n = 28; n <= 35; ++n) expected << QStringLiteral("2/%1 R%2").arg(n - 25).arg(n);
  EXPECT_EQ(Cells(), expected);
  EXPECT_EQ(tally.pages, 2);
}

TEST_F(LabelRunTest, SecondCopyOfTheLastCellOfASheetGoesOnTheNextSheet) {
  StockGeometry small = AddressStock();
  small.down = 3;  // nine cells a sheet
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(6));
  LabelRunInput input = Input(small);
  input.copies = 2;
  const LabelRunTally tally = Run(input);
  EXPECT_EQ(Cells(), QStringList({"1/0 R1", "1/1 R1", "1/2 R2", "1/3 R2", "1/4 R3", "1/5 R3", "1/6 R4", "1/7 R4",
                                  "1/8 R5", "2/0 R5", "2/1 R6", "2/2 R6"}));
  EXPECT_EQ(tally.labels_printed, 12u);
  EXPECT_EQ(tally.records_printed, 6u);
}

TEST_F(LabelRunTest, MiddleGapMovesTheRightHalfOfTheSheet) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(2));
  StockGeometry two = AddressStock();
  two.across = 2;
  two.horizontal_pitch = 4;
  const auto second_column_offset = [&](double gap) {
    two.middle_extra_x = gap;
    EXPECT_TRUE(table_->GoTop().ok());
    Run(Input(two));
    const PdfWord* first = FindWord(words_, QStringLiteral("R1"));
    const PdfWord* second = FindWord(words_, QStringLiteral("R2"));
    EXPECT_TRUE(first && second);
    return first && second ? (second->x_min - first->x_min) / 72 : 0.0;
  };
  EXPECT_NEAR(second_column_offset(0.25), 4.25, 0.01);
  EXPECT_NEAR(second_column_offset(0), 4.0, 0.01);
}

TEST_F(LabelRunTest, MaskWithoutAChosenCellOfTheSheetRunsNothing) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(3));
  LabelRunInput input = Input();
  input.mask.SelectNone();
  input.mask.SetSelected(150, true);  // beyond the sheet's 30 cells
  const LabelRunTally tally = Run(input);
  EXPECT_TRUE(tally.no_position_chosen);
  EXPECT_EQ(tally.labels_printed, 0u);
  EXPECT_TRUE(words_.empty());
}

TEST_F(LabelRunTest, StopRequestEndsTheRunBeforeTheNextPosition) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(10));
  LabelRunInput input = Input();
  int asked = 0;
  input.keep_going = [&asked] { return ++asked < 4; };
  const LabelRunTally tally = Run(input, true);
  EXPECT_EQ(Cells(), Consecutive(1, 0, 1, 4));
  EXPECT_TRUE(tally.stopped);
  EXPECT_EQ(tally.labels_printed, 4u);
}

TEST_F(LabelRunTest, CancelledJobReadsNoFurtherRecords) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(10));
  LabelRunInput input = Input();
  TReportPdf pdf(Pdf(), PageMetrics{});
  int asked = 0;
  input.keep_going = [&] {
    if (++asked == 3) pdf.Abort();
    return true;
  };
  LabelRun run(std::move(input));
  run.AttachTo(pdf, false);
  EXPECT_FALSE(pdf.Execute());
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(run.tally().labels_printed, 3u);
  EXPECT_FALSE(run.tally().stopped);
}

TEST_F(LabelRunTest, TableThatCannotBeReadEndsTheRunWithItsReason) {
  MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(5)).reset();
  xbase::WatchedEnv env(xbase::Env::Default());
  QString error;
  ASSERT_TRUE(OpenTableFile(DataPath("ADDR.DBF"), &table_, {}, &error, &env)) << error.toStdString();
  ASSERT_TRUE(table_->GoTop().ok());
  env.fail_reads = true;
  const LabelRunTally tally = Run(Input());
  EXPECT_TRUE(tally.error.contains(QStringLiteral("input/output error"))) << tally.error.toStdString();
  EXPECT_LT(tally.labels_printed, 5u);
  EXPECT_TRUE(LabelTallyText(tally, 5, 1).contains(QStringLiteral("of 5 labels were printed")));
}

TEST_F(LabelRunTest, RunTellsItsOwnShortfall) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(3));
  LabelRunInput input = Input();
  input.records_chosen = 4;  // one of them gone since it was chosen
  input.copies = 2;
  LabelRun run(std::move(input));
  TReportPdf pdf(Pdf(), PageMetrics{});
  run.AttachTo(pdf, false);
  ASSERT_TRUE(pdf.Execute());
  EXPECT_EQ(run.TallyText(), QStringLiteral("\rOnly 6 of 8 labels were printed."));
}

TEST_F(LabelRunTest, CountersAdvancePerLabelAndStartAfreshEachRun) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(2));
  auto counter = std::make_unique<design::TGCounterLabel>();
  counter->TextBefore = "No";
  page_->PlaceObject(std::move(counter), QRect(0, 0, 10, 10))->SetBounds(QRect(4, 40, 100, 20));
  LabelRunInput input = Input();
  input.copies = 2;
  Run(input);
  const QStringList labels({"1/0 R1 No1", "1/1 R1 No2", "1/2 R2 No3", "1/3 R2 No4"});
  EXPECT_EQ(Cells(), labels);
  EXPECT_FALSE(page_->Printing);
  ASSERT_TRUE(table_->GoTop().ok());
  Run(input);
  EXPECT_EQ(Cells(), labels);
}

TEST_F(LabelRunTest, AttachingSetsTheRunsEventsAndStatusFormat) {
  table_ = MakeAddressTable(DataPath("ADDR.DBF"), NumberedEntries(1));
  LabelRun run(Input());
  TReportPdf pdf(Pdf(), PageMetrics{});
  int stray = 0;
  pdf.OnNewPage = [&stray](TBaseReport&) { ++stray; };
  pdf.OnAfterPrint = [&stray](TBaseReport&) { ++stray; };
  pdf.OnPrintHeader = [&stray](TBaseReport&) { ++stray; };
  pdf.OnPrintFooter = [&stray](TBaseReport&) { ++stray; };
  pdf.OnPrintPage = [&stray](TBaseReport&) { return ++stray < 0; };
  run.AttachTo(pdf, true);
  ASSERT_TRUE(pdf.Execute());
  EXPECT_EQ(stray, 0);
  EXPECT_EQ(pdf.StatusFormat, QStringLiteral("Preparing Preview Page %p\r%0\r%1"));
  EXPECT_EQ(pdf.StatusText, QStringList({QString(), QString()}));
  EXPECT_EQ(run.tally().labels_printed, 1u);

  TReportPdf printed(Pdf(), PageMetrics{});
  run.AttachTo(printed, false);
  ASSERT_TRUE(table_->GoTop().ok());
  ASSERT_TRUE(printed.Execute());
  EXPECT_EQ(printed.StatusFormat, QStringLiteral("Printing Page %p\r%0\r%1"));
}

}  // namespace
}  // namespace vellumo
