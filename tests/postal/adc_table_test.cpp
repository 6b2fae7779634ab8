// The ADC table as delivered: 96 entries in their order, 930 distinct
// prefixes, none in two entries, the names exactly as listed; and the
// look-up of a key's entry.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "postal/adc_table.h"

namespace vellumo {
namespace {

// FNV-1a over every entry as "name|prefixes\n", so that any change to a
// name or a prefix shows.
uint64_t TableFingerprint() {
  uint64_t hash = 14695981039346656037ull;
  auto add = [&hash](std::string_view text) {
    for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  };
  for (const AdcEntry& entry : AdcTable()) {
    add(entry.name);
    add("|");
    add(entry.prefixes);
    add("\n");
  }
  return hash;
}

TEST(AdcTableTest, HoldsNinetySixEntriesAsDelivered) {
  ASSERT_EQ(AdcTable().size(), 96u);
  EXPECT_EQ(TableFingerprint(), 0x713967d6bc917deull);
  EXPECT_EQ(AdcTable().front().name, "ALBANY NY 120");
  EXPECT_EQ(AdcTable().back().name, "WILMINGTON DE 197");
}

TEST(AdcTableTest, KeepsTheOddNamesAsWritten) {
  EXPECT_EQ(AdcTable()[9].name, "BURMINGHAM AL 350");
  EXPECT_EQ(AdcTable()[25].name, "FARGO ND  580");
  EXPECT_EQ(AdcTable()[36].name, "LAS VEGAS  NV 890");
  EXPECT_EQ(AdcTable()[73].name, "SAN JUAN PR  006");
  EXPECT_EQ(AdcTable()[84].name, "ST. LOUIS MO 630");
  EXPECT_EQ(AdcTable()[92].name, "WHITE RIVER JCT VT 050");
  EXPECT_EQ(AdcTable()[93].name, "WHITE RVR JCT VT 050");
}

TEST(AdcTableTest, PrefixesAreThreeDigitsApartAndNoneIsListedTwice) {
  std::set<std::string> seen;
  size_t listed = 0;
  for (const AdcEntry& entry : AdcTable()) {
    const std::string_view text = entry.prefixes;
    ASSERT_EQ(text.size() % 4, 3u) << entry.name;
    for (size_t at = 0; at < text.size(); at += 4) {
      const std::string_view prefix = text.substr(at, 3);
      for (char c : prefix) EXPECT_TRUE(c >= '0' && c <= '9') << entry.name;
      if (at + 3 < text.size()) {
        EXPECT_EQ(text[at + 3], ' ') << entry.name;
      }
      EXPECT_TRUE(seen.emplace(prefix).second) << prefix << " twice";
      ++listed;
    }
  }
  EXPECT_EQ(listed, 930u);
  EXPECT_EQ(seen.size(), 930u);
}

TEST(AdcTableTest, EveryListedPrefixFindsItsEntryAndNoOtherPrefixDoes) {
  int unlisted = 0;
  for (int value = 0; value < 1000; ++value) {
    char key[4];
    std::snprintf(key, sizeof key, "%03d", value);
    const int entry = AdcEntryIndex(std::string(key) + "01");
    if (entry < 0) {
      ++unlisted;
      continue;
    }
    EXPECT_NE(AdcTable()[static_cast<size_t>(entry)].prefixes.find(key), std::string_view::npos) << key;
  }
  EXPECT_EQ(unlisted, 70);
}

TEST(AdcTableTest, LooksUpByTheFirstThreeCharacters) {
  EXPECT_EQ(AdcEntryIndex("12346"), 0);      // ALBANY NY 120
  EXPECT_EQ(AdcEntryIndex("123"), 0);
  EXPECT_EQ(AdcEntryIndex("49512"), 27);     // listed out of order in GRAND RAPIDS MI 493
  EXPECT_EQ(AdcEntryIndex("05001"), 93);     // WHITE RVR JCT VT 050
  EXPECT_EQ(AdcEntryIndex("00601"), 73);     // SAN JUAN PR  006
  EXPECT_EQ(AdcEntryIndex("00123"), -1);     // 001 is not listed
  EXPECT_EQ(AdcEntryIndex("99999"), 74);     // SEATTLE WA 980
}

TEST(AdcTableTest, KeysWithoutThreeLeadingDigitsBelongToNoEntry) {
  // Read as text, "12" and "1 2" occur in the prefix texts ("120 ...",
  // "201 220"); they are not prefixes.
  for (const char* key : {"1", "12", "1 2", "1 201", "12-34", "5A123"}) EXPECT_EQ(AdcEntryIndex(key), -1) << key;
}

}  // namespace
}  // namespace vellumo
