// How a label run ends in words: the outcome texts and the lines that
// tell of labels shrunk, unfit or missing.
#include <gtest/gtest.h>

#include "labels/printing/label_run.h"

namespace vellumo {
namespace {

TEST(LabelOutcome, TextsOfEachOutcome) {
  EXPECT_EQ(LabelOutcomeText(LabelOutcome::kPrintAborted), QStringLiteral("\rLabel Print Canceled!"));
  EXPECT_EQ(LabelOutcomeText(LabelOutcome::kPreviewAborted), QStringLiteral("\rLabel Preview Canceled!"));
  EXPECT_EQ(LabelOutcomeText(LabelOutcome::kPreviewStopped), QStringLiteral("\rPreview Stopped at page %p!"));
  EXPECT_EQ(LabelOutcomeText(LabelOutcome::kPrintCompleted), QStringLiteral("\rLabel Print Completed!"));
  EXPECT_EQ(LabelOutcomeText(LabelOutcome::kPreviewCompleted), QString());
}

TEST(LabelTally, CompleteRunSaysNothingMore) {
  LabelRunTally tally;
  tally.labels_printed = 6;
  EXPECT_EQ(LabelTallyText(tally, 3, 2), QString());
  EXPECT_EQ(LabelTallyText(tally, 0, 1), QString());  // count chosen unknown
}

TEST(LabelTally, FewerLabelsThanChosenTimesCopiesIsAShortfall) {
  LabelRunTally tally;
  tally.labels_printed = 5;
  EXPECT_EQ(LabelTallyText(tally, 3, 2), QStringLiteral("\rOnly 5 of 6 labels were printed."));
  tally.labels_printed = 0;
  EXPECT_EQ(LabelTallyText(tally, 1, 1), QStringLiteral("\rOnly 0 of 1 labels were printed."));
}

TEST(LabelTally, ShrunkAndUnfitLabelsAreTold) {
  LabelRunTally tally;
  tally.labels_printed = 20;
  tally.shrunk_labels = 1;
  tally.unfit_records = {4, 9};
  EXPECT_EQ(LabelTallyText(tally, 20, 1),
            QStringLiteral("\r1 label had its text shrunk to fit.\rText did not fit even at the smallest size for 2 "
                           "records: 4, 9."));
  tally.shrunk_labels = 3;
  tally.unfit_records.assign(12, 7);
  EXPECT_EQ(LabelTallyText(tally, 20, 1),
            QStringLiteral("\r3 labels had their text shrunk to fit.\rText did not fit even at the smallest size for "
                           "12 records: 7, 7, 7, 7, 7, 7, 7, 7, 7, 7 and 2 more."));
}

TEST(LabelTally, NoChosenPositionAndReadErrorsAreTold) {
  LabelRunTally tally;
  tally.no_position_chosen = true;
  EXPECT_EQ(LabelTallyText(tally, 2, 1), QStringLiteral("\rNo position of the sheet is chosen: nothing was printed."
                                                         "\rOnly 0 of 2 labels were printed."));
  LabelRunTally failed;
  failed.labels_printed = 1;
  failed.error = QStringLiteral("short read");
  EXPECT_EQ(LabelTallyText(failed, 1, 1), QStringLiteral("\rThe records could not all be read: short read"));
}

}  // namespace
}  // namespace vellumo
