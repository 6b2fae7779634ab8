// The counter dialog: what it shows of a counter, its number ranges, and
// what "Ok" and "Cancel" do to the counter.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <limits>

#include "design/windows/counter_dialog.h"
#include "dialog_fixture.h"

namespace vellumo::design {
namespace {

using testing::ButtonCaptions;

class CounterDialogTest : public testing::DialogTest {
 protected:
  void SetUp() override { counter_ = Place<TGCounterLabel>(); }

  TGCounterLabel* counter_ = nullptr;
};

TEST_F(CounterDialogTest, ShowsTheCountersSettingsWithItsCaptions) {
  counter_->SetCounterSettings(CounterSettings{"No. ", 42, 3, " left", 5});
  TGetCounter dialog(*counter_);
  EXPECT_EQ(dialog.windowTitle(), "Counter");
  QStringList captions;
  for (const QLabel* label : dialog.findChildren<QLabel*>()) captions << label->text();
  for (const char* caption : {"Text  before", "Starting Number", "Repeat number for #of  labels?", "Text after",
                              "Leading zeros to ", "digits"}) {
    EXPECT_TRUE(captions.contains(caption)) << caption;
  }
  EXPECT_EQ(ButtonCaptions(dialog), QStringList({"Ok", "Cancel", "Help"}));
  EXPECT_EQ(dialog.text_before()->text(), "No. ");
  EXPECT_EQ(dialog.starting_number()->value(), 42);
  EXPECT_EQ(dialog.repeat_each()->value(), 3);
  EXPECT_EQ(dialog.text_after()->text(), " left");
  EXPECT_EQ(dialog.leading_zeros()->value(), 5);
}

TEST_F(CounterDialogTest, NumberBoxesTakeTheirWholeRanges) {
  TGetCounter dialog(*counter_);
  EXPECT_EQ(dialog.starting_number()->minimum(), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(dialog.starting_number()->maximum(), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(dialog.repeat_each()->minimum(), 1);
  EXPECT_EQ(dialog.repeat_each()->maximum(), 999);
  EXPECT_EQ(dialog.leading_zeros()->minimum(), 0);
  EXPECT_EQ(dialog.leading_zeros()->maximum(), 9);

  dialog.starting_number()->setValue(std::numeric_limits<int32_t>::min());
  dialog.Apply(*counter_);
  EXPECT_EQ(counter_->Startingnumber(), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(counter_->Caption, "-2147483648");
}

TEST_F(CounterDialogTest, OkSetsTheCounterStartsItAgainAndFitsItsWidth) {
  counter_->SetStartingnumber(1000);
  counter_->LabelPrinted();
  counter_->LabelPrinted();
  ASSERT_EQ(counter_->CurrentValue(), 1002);
  TGetCounter dialog(*counter_);
  dialog.text_before()->setText("No. ");
  dialog.starting_number()->setValue(42);
  dialog.repeat_each()->setValue(2);
  dialog.text_after()->setText(" left");
  dialog.leading_zeros()->setValue(5);
  dialog.Apply(*counter_);

  EXPECT_EQ(counter_->TextBefore, "No. ");
  EXPECT_EQ(counter_->Startingnumber(), 42);
  EXPECT_EQ(counter_->CurrentValue(), 42);
  EXPECT_EQ(counter_->RepeatEach, 2);
  EXPECT_EQ(counter_->TextAfter, " left");
  EXPECT_EQ(counter_->LeadingZeros, 5);
  EXPECT_EQ(counter_->Caption, "No. 00042 left");
  // Made 10 wide and grown to the short caption: narrower than before.
  EXPECT_GT(counter_->Width(), 10);
  EXPECT_LT(counter_->Width(), 142);
  EXPECT_EQ(counter_->Bounds().topLeft(), QPoint(10, 10));
  EXPECT_GE(changes_, 1);
}

TEST_F(CounterDialogTest, OkLeavesATurnedCountersSize) {
  counter_->SetAngle(90);
  const QRect before = counter_->Bounds();
  TGetCounter dialog(*counter_);
  dialog.text_before()->setText("A text before long enough to need more room than the object has");
  dialog.Apply(*counter_);
  EXPECT_EQ(counter_->Bounds(), before);
  EXPECT_EQ(counter_->Caption, "A text before long enough to need more room than the object has1");
}

TEST_F(CounterDialogTest, CancelLeavesTheCounter) {
  counter_->SetStartingnumber(1000);
  counter_->LabelPrinted();
  changes_ = 0;
  AnswerNextDialog(false);
  EXPECT_FALSE(TGetCounter::Edit(*counter_, nullptr));
  EXPECT_EQ(counter_->CurrentValue(), 1001);
  EXPECT_EQ(counter_->Width(), 142);
  EXPECT_EQ(changes_, 0);

  AnswerNextDialog(true);
  EXPECT_TRUE(TGetCounter::Edit(*counter_, nullptr));
  EXPECT_EQ(counter_->CurrentValue(), 1000);
  EXPECT_GE(changes_, 1);
}

}  // namespace
}  // namespace vellumo::design
