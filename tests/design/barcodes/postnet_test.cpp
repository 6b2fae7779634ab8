// POSTNET digits, check digit, printable ZIP texts and bar geometry.
#include <gtest/gtest.h>

#include <string>

#include "design/barcodes/postnet.h"

namespace vellumo {
namespace {

using enum TPostNetBarCodeType;

// The bars as F (full) and h (half), to compare patterns at a glance.
std::string Pattern(const Bars& bars) {
  std::string pattern;
  for (const Bar& bar : bars) pattern += bar.height > kPostnetHalfBarHeight + 1e-9 ? 'F' : 'h';
  return pattern;
}

TEST(PostnetTest, CheckDigitMakesTheSumAMultipleOfTen) {
  EXPECT_EQ(PostnetCheckDigit("12345"), '5');
  EXPECT_EQ(PostnetCheckDigit("123456789"), '5');
  EXPECT_EQ(PostnetCheckDigit("12345678923"), '0');
  EXPECT_EQ(PostnetCheckDigit("00000"), '0');
  EXPECT_EQ(PostnetCheckDigit("00001"), '9');
}

TEST(PostnetTest, FiveDigitCode) {
  EXPECT_EQ(PostnetDigits("12345", "", pnbc5Digit), "123455");
  EXPECT_EQ(PostnetDigits("12345-6789", "123 MAIN ST", pnbc5Digit), "123455");
  EXPECT_EQ(PostnetBarsForRecord("12345", "", pnbc5Digit).size(), 32u);
}

TEST(PostnetTest, NineDigitCode) {
  EXPECT_EQ(PostnetDigits("12345-6789", "", pnbc9Digit), "1234567895");
  EXPECT_EQ(PostnetBarsForRecord("12345-6789", "", pnbc9Digit).size(), 52u);
}

TEST(PostnetTest, ElevenDigitCodeAddsTheDeliveryPoint) {
  EXPECT_EQ(PostnetDigits("12345-6789", "123 MAIN ST", pnbc11Digit), "123456789230");
  EXPECT_EQ(PostnetBarsForRecord("12345-6789", "123 MAIN ST", pnbc11Digit).size(), 62u);
  // No house number: delivery point 99.
  EXPECT_EQ(PostnetDigits("12345-6789", "", pnbc11Digit), "123456789997");
}

TEST(PostnetTest, LettersAndPunctuationInTheZipAreDropped) {
  EXPECT_EQ(PostnetDigits("12345 6789", "", pnbc9Digit), "1234567895");
  EXPECT_EQ(PostnetDigits("123456789", "", pnbc9Digit), "1234567895");
  EXPECT_EQ(PostnetDigits("1-2-3-4-5", "", pnbc5Digit), "123455");
}

// A code of any other length than 5, 9 or 11 digits is rejected by the
// sorting machines, so the longest complete form is printed instead.
TEST(PostnetTest, IncompletePlusFourFallsBackToTheFiveDigitCode) {
  EXPECT_EQ(PostnetDigits("12345-67", "", pnbc9Digit), "123455");
  EXPECT_EQ(PostnetDigits("12345-67", "123 MAIN ST", pnbc11Digit), "123455");
  EXPECT_EQ(PostnetDigits("12345-", "123 MAIN ST", pnbc11Digit), "123455");
  EXPECT_EQ(PostnetDigits("12345-678", "7 OAK", pnbc11Digit), "123455");
  EXPECT_EQ(PostnetBarsForRecord("12345-67", "123 MAIN ST", pnbc11Digit).size(), 32u);
}

TEST(PostnetTest, DigitsBeyondTheZipPlusFourAreDropped) {
  EXPECT_EQ(PostnetDigits("12345-678901", "", pnbc9Digit), "1234567895");
  EXPECT_EQ(PostnetDigits("12345-678901", "123 MAIN ST", pnbc11Digit), "123456789230");
}

TEST(PostnetTest, RoutingDigitsAreTheCodeWithoutCheckDigit) {
  EXPECT_EQ(ZipRoutingDigits("12345-6789", "123 MAIN ST", pnbc11Digit), "12345678923");
  EXPECT_EQ(ZipRoutingDigits("12345-6789", "123 MAIN ST", pnbc9Digit), "123456789");
  EXPECT_EQ(ZipRoutingDigits("12345-67", "123 MAIN ST", pnbc11Digit), "12345");
  EXPECT_EQ(ZipRoutingDigits("1234", "123 MAIN ST", pnbc11Digit), "");
}

TEST(PostnetTest, FewerThanFiveDigitsPrintNothing) {
  EXPECT_EQ(PostnetDigits("1234", "", pnbc5Digit), "");
  EXPECT_EQ(PostnetDigits("1234A", "123 MAIN ST", pnbc11Digit), "");
  ASSERT_TRUE(IsPrintablePostnetZip("1234A"));
  EXPECT_TRUE(PostnetBarsForRecord("1234A", "123 MAIN ST", pnbc11Digit).empty());
}

TEST(PostnetTest, PrintableZipTexts) {
  EXPECT_TRUE(IsPrintablePostnetZip("00000"));
  EXPECT_TRUE(IsPrintablePostnetZip("12345"));
  EXPECT_TRUE(IsPrintablePostnetZip("99999-9999"));
  EXPECT_FALSE(IsPrintablePostnetZip("1234"));
  EXPECT_FALSE(IsPrintablePostnetZip(""));
  EXPECT_FALSE(IsPrintablePostnetZip("ABCDE"));
  EXPECT_FALSE(IsPrintablePostnetZip(" 12345"));
  EXPECT_FALSE(IsPrintablePostnetZip("99999-99999"));
  EXPECT_FALSE(IsPrintablePostnetZip("\xE9" "1234"));
}

TEST(PostnetTest, UnprintableZipGivesNoBarsAtAll) {
  EXPECT_TRUE(PostnetBarsForRecord("1234", "123 MAIN ST", pnbc11Digit).empty());
  EXPECT_TRUE(PostnetBarsForRecord("ABCDE", "123 MAIN ST", pnbc5Digit).empty());
  EXPECT_TRUE(PostnetBarsForRecord("", "", pnbc9Digit).empty());
}

TEST(PostnetTest, DigitPatternsBetweenFrameBars) {
  EXPECT_EQ(Pattern(PostnetBars("0123456789")),
            "F"
            "FFhhh" "hhhFF" "hhFhF" "hhFFh" "hFhhF"
            "hFhFh" "hFFhh" "FhhhF" "FhhFh" "FhFhh"
            "F");
  EXPECT_TRUE(PostnetBars("").empty());
  EXPECT_TRUE(PostnetBars("12a45").empty());
}

TEST(PostnetTest, BarGeometryFromTheLeftEdge) {
  const Bars bars = PostnetBarsForRecord("12345", "", pnbc5Digit);
  ASSERT_EQ(bars.size(), 32u);
  EXPECT_DOUBLE_EQ(bars.front().left, 0);
  EXPECT_NEAR(bars.back().right(), 1.441, 1e-12);
  for (size_t i = 0; i < bars.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(bars[i].left, 0.046 * static_cast<double>(i), 1e-12);
    EXPECT_DOUBLE_EQ(bars[i].width, 0.015);
    EXPECT_NEAR(bars[i].bottom(), 0.125, 1e-12);
  }
  // Digit 1 is h h h F F: its first bar is a half bar, its fourth a full one.
  EXPECT_NEAR(bars[1].top, 0.070, 1e-12);
  EXPECT_NEAR(bars[1].height, 0.055, 1e-12);
  EXPECT_DOUBLE_EQ(bars[4].top, 0);
  EXPECT_DOUBLE_EQ(bars[4].height, 0.125);
}

}  // namespace
}  // namespace vellumo
