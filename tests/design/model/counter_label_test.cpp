// The counter: its run through printed labels, its caption with leading
// zeros, the dialog's settings, the label page's counter tool, the page's
// reset and advance of every counter, and its stored form.
#include <gtest/gtest.h>

#include "design/model/counter_label.h"
#include "page_fixture.h"
#include "stored_bytes.h"
#include "stored_round_trip.h"

namespace vellumo::design {
namespace {

using namespace testing;

std::vector<std::string> CaptionsOfLabels(TGCounterLabel& counter, int labels) {
  std::vector<std::string> captions;
  for (int i = 0; i < labels; ++i) {
    captions.push_back(counter.Caption);
    counter.LabelPrinted();
  }
  return captions;
}

TEST(Counter, StartsAtOneAndShowsItsNumber) {
  TGCounterLabel counter;
  EXPECT_EQ(counter.Startingnumber(), 1);
  EXPECT_EQ(counter.RepeatEach, 1);
  EXPECT_EQ(counter.LeadingZeros, 0);
  EXPECT_TRUE(counter.TextBefore.empty());
  EXPECT_TRUE(counter.TextAfter.empty());
  EXPECT_EQ(counter.CurrentValue(), 1);
  EXPECT_EQ(counter.Caption, "1");
  EXPECT_EQ(counter.Bounds().size(), QSize(142, 33));
}

TEST(Counter, EveryLabelAdvancesTheNumberByOne) {
  TGCounterLabel counter;
  counter.SetStartingnumber(1000);
  EXPECT_EQ(CaptionsOfLabels(counter, 4), (std::vector<std::string>{"1000", "1001", "1002", "1003"}));
}

TEST(Counter, RepeatEachPrintsEveryNumberThatManyTimes) {
  TGCounterLabel counter;
  counter.SetStartingnumber(1000);
  counter.RepeatEach = 3;
  EXPECT_EQ(CaptionsOfLabels(counter, 7),
            (std::vector<std::string>{"1000", "1000", "1000", "1001", "1001", "1001", "1002"}));
}

TEST(Counter, RepeatEachOfZeroOrLessNeverAdvances) {
  for (int repeat : {0, -2}) {
    TGCounterLabel counter;
    counter.SetStartingnumber(7);
    counter.RepeatEach = repeat;
    EXPECT_EQ(CaptionsOfLabels(counter, 3), (std::vector<std::string>{"7", "7", "7"})) << repeat;
  }
}

TEST(Counter, SettingTheStartingNumberStartsTheRunAgain) {
  TGCounterLabel counter;
  counter.RepeatEach = 2;
  counter.LabelPrinted();
  counter.LabelPrinted();
  counter.LabelPrinted();  // one label printed with 2
  counter.SetStartingnumber(50);
  EXPECT_EQ(CaptionsOfLabels(counter, 3), (std::vector<std::string>{"50", "50", "51"}));
}

TEST(Counter, ResetGoesBackToTheStartWithNoLabelCounted) {
  TGCounterLabel counter;
  counter.SetStartingnumber(10);
  counter.RepeatEach = 2;
  CaptionsOfLabels(counter, 3);
  EXPECT_EQ(counter.CurrentValue(), 11);
  counter.ResetCounters();
  EXPECT_EQ(counter.CurrentValue(), 10);
  EXPECT_EQ(CaptionsOfLabels(counter, 3), (std::vector<std::string>{"10", "10", "11"}));
}

TEST(Counter, LeadingZerosFillTheNumberBetweenItsTexts) {
  EXPECT_EQ(CounterCaption("No. ", 42, 5, ""), "No. 00042");
  EXPECT_EQ(CounterCaption("", 123456, 3, " pcs"), "123456 pcs");
  EXPECT_EQ(CounterCaption("#", 42, 0, ""), "#42");
  EXPECT_EQ(CounterCaption("", -42, 5, ""), "-00042");
  EXPECT_EQ(CounterCaption("", 7, -1, ""), "7");
}

TEST(Counter, PastTheLargestNumberItContinuesAtTheSmallest) {
  TGCounterLabel counter;
  counter.SetStartingnumber(std::numeric_limits<int32_t>::max());
  counter.LabelPrinted();
  EXPECT_EQ(counter.CurrentValue(), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(counter.Caption, "-2147483648");
}

TEST(Counter, AFileAskingForHugeLeadingZerosGivesABoundedCaption) {
  EXPECT_LT(CounterCaption("", 1, 1'000'000, "").size(), 128u);
}

using CounterOnPage = PageTest;

TEST_F(CounterOnPage, TheCounterToolDrawsACounterFrom1000GrownToItsNumber) {
  page_.SetPanelState(TLPanelState::psCounterLabel);
  auto* counter = dynamic_cast<TGCounterLabel*>(page_.CreateObjectInRect(QRect(5, 5, 10, 5)));
  ASSERT_NE(counter, nullptr);
  EXPECT_EQ(counter->Startingnumber(), 1000);
  EXPECT_EQ(counter->Caption, "1000");
  EXPECT_TRUE(counter->TextBefore.empty());
  EXPECT_TRUE(counter->TextAfter.empty());
  EXPECT_EQ(counter->Left(), 5);
  // The dragged 50 already holds "1000" and five spaces; the 15 high
  // box grows to a line of 10 points (a sixth of an inch).
  EXPECT_EQ(counter->Width(), 50);
  EXPECT_EQ(counter->Height(), 16);
}

TEST_F(CounterOnPage, SettingsResetTheRunAndSizeAnUnrotatedCounterToItsCaption) {
  auto* counter = static_cast<TGCounterLabel*>(
      page_.PlaceObject(std::make_unique<TGCounterLabel>(), QRect(0, 0, 300, 20)));
  counter->LabelPrinted();
  changes_ = 0;
  counter->SetCounterSettings({"No. ", 42, 2, "", 5});
  EXPECT_EQ(counter->Caption, "No. 00042");
  EXPECT_EQ(counter->CurrentValue(), 42);
  EXPECT_EQ(counter->RepeatEach, 2);
  // Set 10 wide, then grown: narrower than the 300 it had, wide enough for the caption.
  EXPECT_LT(counter->Width(), 300);
  EXPECT_GT(counter->Width(), 60);
  EXPECT_GT(changes_, 0);
  const QRect before = counter->Bounds();
  counter->LabelPrinted();
  counter->LabelPrinted();
  EXPECT_EQ(counter->Caption, "No. 00043");
  EXPECT_EQ(counter->Bounds(), before);
}

TEST_F(CounterOnPage, SettingsLeaveTheSizeOfATurnedCounter) {
  auto* counter = static_cast<TGCounterLabel*>(
      page_.PlaceObject(std::make_unique<TGCounterLabel>(), QRect(0, 0, 142, 33)));
  counter->SetAngle(90);
  const QRect turned = counter->Bounds();
  counter->SetCounterSettings({"", 5, 1, " left", 0});
  EXPECT_EQ(counter->Caption, "5 left");
  EXPECT_EQ(counter->Bounds(), turned);
}

TEST_F(CounterOnPage, ThePageResetsAndAdvancesEveryCounterOnIt) {
  auto first = std::make_unique<TGCounterLabel>();
  first->SetStartingnumber(1000);
  auto second = std::make_unique<TGCounterLabel>();
  second->SetStartingnumber(1);
  second->RepeatEach = 2;
  auto* a = static_cast<TGCounterLabel*>(page_.PlaceObject(std::move(first), QRect(0, 0, 60, 20)));
  AddShape(0, 30, 20, 20);  // objects without counters take part without effect
  auto* b = static_cast<TGCounterLabel*>(page_.PlaceObject(std::move(second), QRect(0, 60, 60, 20)));
  page_.AdvanceAllCounters();
  page_.AdvanceAllCounters();
  page_.AdvanceAllCounters();
  EXPECT_EQ(a->Caption, "1003");
  EXPECT_EQ(b->Caption, "2");
  page_.ResetAllCounters();
  EXPECT_EQ(a->Caption, "1000");
  EXPECT_EQ(b->Caption, "1");
  page_.AdvanceAllCounters();
  EXPECT_EQ(a->Caption, "1001");
  EXPECT_EQ(b->Caption, "1");
}

TEST(CounterStoredForm, DefaultCounterWritesItsCaptionAndItsThreeNumbers) {
  TGCounterLabel counter;
  counter.SetName("Special1");
  counter.SetBounds(QRect(10, 20, 100, 30));
  EXPECT_EQ(BytesOf(counter),
            List(Record("TGCounterLabel", "Special1",
                        Common(10, 20, 100, 30) + PlainTextEnd("1") + Int8("Startingnumber", 1) +
                            Int8("RepeatEach", 1) + Int8("LeadingZeros", 0))));
}

TEST(CounterStoredForm, SettingsAreWrittenAfterTheTextPartAndReadBack) {
  TGCounterLabel counter;
  counter.SetName("Special1");
  counter.SetBounds(QRect(10, 20, 100, 30));
  counter.TextBefore = "No. ";
  counter.TextAfter = "!";
  counter.RepeatEach = 3;
  counter.LeadingZeros = 5;
  counter.SetStartingnumber(1000);
  const std::string bytes = BytesOf(counter);
  // The run's progress is not stored.
  for (int i = 0; i < 4; ++i) counter.LabelPrinted();
  EXPECT_EQ(counter.Caption, "No. 01001!");
  EXPECT_EQ(BytesOf(counter), bytes);
  EXPECT_EQ(bytes, List(Record("TGCounterLabel", "Special1",
                               Common(10, 20, 100, 30) + PlainTextEnd("No. 01000!") +
                                   Text("TextBefore", "No. ") + Text("TextAfter", "!") +
                                   Int16("Startingnumber", 1000) + Int8("RepeatEach", 3) +
                                   Int8("LeadingZeros", 5))));
  std::unique_ptr<TGGraphicControl> copy = ReadBack(bytes);
  ASSERT_NE(copy, nullptr);
  auto& read = dynamic_cast<TGCounterLabel&>(*copy);
  EXPECT_EQ(read.Startingnumber(), 1000);
  EXPECT_EQ(read.CurrentValue(), 1000);
  EXPECT_EQ(read.Caption, "No. 01000!");
  EXPECT_EQ(BytesOf(read), bytes);
}

TEST(CounterStoredForm, AStartingNumberBeyond16BitsIsWrittenAs32Bits) {
  TGCounterLabel counter;
  counter.SetStartingnumber(70000);
  const std::string bytes = BytesOf(counter);
  EXPECT_NE(bytes.find(Short("Startingnumber") + '\x04' + std::string("\x70\x11\x01\x00", 4)), std::string::npos);
}

}  // namespace
}  // namespace vellumo::design
