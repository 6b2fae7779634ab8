// The grouping: 5-digit groups from ten records, 3-digit groups from runs
// of ten, ADC groups in table order, and the keys no ADC takes last.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "postal/presort_groups.h"

namespace vellumo {
namespace {

using Lines = std::vector<std::string>;

// The lines for these keys and counts, counted as the scan would.
Lines LinesFor(const std::vector<std::pair<std::string, int>>& counts) {
  ZipTally tally;
  for (const auto& [key, count] : counts) {
    for (int i = 0; i < count; ++i) tally.Add(key);
  }
  return PresortLines(tally.SortedRecords());
}

TEST(PresortGroupsTest, TwelveFormAFiveDigitGroupAndThreeGoOnToTheirAdc) {
  EXPECT_EQ(LinesFor({{"12345", 12}, {"12346", 3}}),
            (Lines{"** 5-digit 12345", "12345", "** ADC ALBANY NY 120", "12346"}));
}

TEST(PresortGroupsTest, ARunOfOnePrefixTotallingTwelveFormsAThreeDigitGroup) {
  EXPECT_EQ(LinesFor({{"10001", 4}, {"10002", 4}, {"10003", 4}}),
            (Lines{"** 3-digit 100", "10001", "10002", "10003"}));
}

TEST(PresortGroupsTest, TenRecordsMakeAGroupAndNineDoNot) {
  EXPECT_EQ(LinesFor({{"60601", 10}}), (Lines{"** 5-digit 60601", "60601"}));
  EXPECT_EQ(LinesFor({{"60601", 9}}), (Lines{"** ADC CHICAGO IL 606", "60601"}));
  EXPECT_EQ(LinesFor({{"60601", 5}, {"60602", 5}}), (Lines{"** 3-digit 606", "60601", "60602"}));
  EXPECT_EQ(LinesFor({{"60601", 5}, {"60602", 4}}), (Lines{"** ADC CHICAGO IL 606", "60601", "60602"}));
}

TEST(PresortGroupsTest, KeysOfFiveDigitGroupsDoNotCountTowardsTheirRun) {
  // 123 totals 17 with 12345, but only 7 without it.
  EXPECT_EQ(LinesFor({{"12301", 4}, {"12345", 10}, {"12399", 3}}),
            (Lines{"** 5-digit 12345", "12345", "** ADC ALBANY NY 120", "12301", "12399"}));
  EXPECT_EQ(LinesFor({{"12301", 5}, {"12345", 10}, {"12399", 5}}),
            (Lines{"** 5-digit 12345", "12345", "** 3-digit 123", "12301", "12399"}));
}

TEST(PresortGroupsTest, AdcGroupsFollowTheTableOrderAndKeepKeyOrderWithin) {
  // SAN JUAN (006) comes late in the table, ALBANY (120, 129) first.
  EXPECT_EQ(LinesFor({{"00601", 1}, {"12901", 2}, {"12001", 1}}),
            (Lines{"** ADC ALBANY NY 120", "12001", "12901", "** ADC SAN JUAN PR  006", "00601"}));
}

TEST(PresortGroupsTest, UnlistedPrefixesGoLastUnderUnknown) {
  EXPECT_EQ(LinesFor({{"00123", 2}, {"99901", 1}, {"00201", 1}}),
            (Lines{"** ADC SEATTLE WA 980", "99901", "** Unknown", "00123", "00201"}));
}

TEST(PresortGroupsTest, ShortKeysGroupByCountButBelongToNoAdc) {
  EXPECT_EQ(LinesFor({{"12", 10}}), (Lines{"** 5-digit 12", "12"}));
  EXPECT_EQ(LinesFor({{"12", 1}, {"1 2", 1}, {"12001", 1}}),
            (Lines{"** ADC ALBANY NY 120", "12001", "** Unknown", "1 2", "12"}));
}

TEST(PresortGroupsTest, StagesFollowOneAnotherEachInDigitOrder) {
  EXPECT_EQ(LinesFor({{"90001", 3},
                      {"90002", 7},
                      {"60601", 12},
                      {"10001", 10},
                      {"00123", 1},
                      {"12001", 2},
                      {"35001", 6},
                      {"35002", 4}}),
            (Lines{"** 5-digit 10001", "10001", "** 5-digit 60601", "60601", "** 3-digit 350", "35001", "35002",
                   "** 3-digit 900", "90001", "90002", "** ADC ALBANY NY 120", "12001", "** Unknown", "00123"}));
}

TEST(PresortGroupsTest, NoKeysGiveNoLines) { EXPECT_TRUE(PresortLines({}).empty()); }

}  // namespace
}  // namespace vellumo
