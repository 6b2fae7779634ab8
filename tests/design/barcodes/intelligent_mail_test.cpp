// The Intelligent Mail encoder against the worked examples published in
// USPS-B-3200: one tracking code with routing codes of 0, 5, 9 and 11
// digits, checked step by step and bar for bar.
#include <gtest/gtest.h>

#include <bit>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "design/barcodes/intelligent_mail_bar_map.h"
#include "design/barcodes/intelligent_mail_binary.h"
#include "design/barcodes/intelligent_mail_characters.h"
#include "design/barcodes/intelligent_mail_encoder.h"
#include "design/barcodes/intelligent_mail_symbols.h"
#include "design/barcodes/postnet.h"

namespace vellumo {
namespace {

constexpr const char* kTrackingCode = "01234567094987654321";

struct PublishedExample {
  const char* routing_code;
  const char* binary_hex;
  uint16_t fcs;
  IntelligentMailCodewords codewords;
  const char* states;
};

const PublishedExample kExamples[] = {
    {"", "00000000001122103B5C2004B1", 0x051, {0, 0, 0, 0, 559, 202, 508, 451, 124, 17},
     "ATTFATTDTTADTAATTDTDTATTDAFDDFADFDFTFFFFFTATFAAAATDFFTDAADFTFDTDT"},
    {"01234", "0000000D138A87BAB5CF3804B1", 0x065, {0, 0, 15, 14, 290, 567, 385, 48, 388, 333},
     "DTTAFADDTTFTDTFTFDTDDADADAFADFATDDFTAAAFDTTADFAAATDFDTDFADDDTDFFT"},
    {"012345678", "000202BDC097711204D21804B1", 0x606,
     {0, 110, 1113, 1363, 198, 413, 470, 468, 1333, 513},
     "ADFTTAFDTTTTFATTADTAAATFTFTATDAAAFDDADATATDTDTTDFDTDATADADTDFFTFA"},
    {"01234567891", "016907B2A24ABC16A2E5C004B1", 0x751,
     {14, 787, 607, 1022, 861, 19, 816, 1294, 35, 301},
     "AADTFFDFTDADTAADAATFDTDDAAADDTDTTDAFADADDDTFFFDDTTTADFAAADFTDAADA"},
};

IntelligentMailFields ExampleFields(std::string routing_code) {
  return IntelligentMailFields{"01", "234", "567094", "987654321", std::move(routing_code)};
}

std::string Hex(const IntelligentMailValue& value) {
  std::string hex;
  for (uint8_t byte : value) {
    char digits[3];
    std::snprintf(digits, sizeof digits, "%02X", byte);
    hex += digits;
  }
  return hex;
}

TEST(IntelligentMailTest, PublishedExamplesGiveTheirBarStrings) {
  for (const PublishedExample& example : kExamples) {
    SCOPED_TRACE(example.routing_code);
    const IntelligentMailBarcode barcode = EncodeIntelligentMail(ExampleFields(example.routing_code));
    ASSERT_TRUE(barcode.ok()) << barcode.error;
    EXPECT_EQ(barcode.states, example.states);
  }
}

TEST(IntelligentMailTest, PublishedExamplesStepByStep) {
  for (const PublishedExample& example : kExamples) {
    SCOPED_TRACE(example.routing_code);
    const IntelligentMailValue value = IntelligentMailBinary(kTrackingCode, example.routing_code);
    EXPECT_EQ(Hex(value), example.binary_hex);
    EXPECT_EQ(IntelligentMailCrc11(value), example.fcs);
    EXPECT_EQ(SplitIntoCodewords(value), example.codewords);
  }
}

TEST(IntelligentMailTest, OrientationFcsAndCharactersOfTheElevenDigitExample) {
  const uint16_t fcs = 0x751;
  const IntelligentMailCodewords codewords =
      AddOrientationAndFcs({14, 787, 607, 1022, 861, 19, 816, 1294, 35, 301}, fcs);
  EXPECT_EQ(codewords, (IntelligentMailCodewords{673, 787, 607, 1022, 861, 19, 816, 1294, 35, 602}));
  // Without frame check bits the characters are the plain table entries;
  // with them, characters A, E, G, I and J (FCS bits 0, 4, 6, 8, 9) invert.
  EXPECT_EQ(CodewordsToCharacters(codewords, 0),
            (IntelligentMailCharacters{0x1234, 0x085C, 0x08E4, 0x0B06, 0x1922, 0x1740, 0x0839,
                                       0x1200, 0x0DC0, 0x04D4}));
  EXPECT_EQ(CodewordsToCharacters(codewords, fcs),
            (IntelligentMailCharacters{0x0DCB, 0x085C, 0x08E4, 0x0B06, 0x06DD, 0x1740, 0x17C6,
                                       0x1200, 0x123F, 0x1B2B}));
}

TEST(IntelligentMailTest, FcsTopBitMovesCodewordAIntoItsUpperRange) {
  const IntelligentMailCodewords plain{5, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  EXPECT_EQ(AddOrientationAndFcs(plain, 0x3FF)[0], 5);
  EXPECT_EQ(AddOrientationAndFcs(plain, 0x400)[0], 5 + 659);
  EXPECT_EQ(AddOrientationAndFcs(plain, 0x400)[9], 18);
}

TEST(IntelligentMailTest, CrcSeesEveryOneOfTheHundredAndTwoBits) {
  const IntelligentMailValue value = IntelligentMailBinary(kTrackingCode, "01234567891");
  const uint16_t fcs = IntelligentMailCrc11(value);
  EXPECT_LE(fcs, 0x7FF);
  for (int bit = 2; bit < 104; ++bit) {
    IntelligentMailValue flipped = value;
    flipped[static_cast<size_t>(bit / 8)] ^= static_cast<uint8_t>(0x80 >> (bit % 8));
    EXPECT_NE(IntelligentMailCrc11(flipped), fcs) << "bit " << bit;
  }
  // The two unused top bits are not part of the data.
  IntelligentMailValue unused = value;
  unused[0] ^= 0xC0;
  EXPECT_EQ(IntelligentMailCrc11(unused), fcs);
}

TEST(IntelligentMailTest, CharacterTablesHoldEveryCharacterOnce) {
  const std::vector<uint16_t>& five = FiveOfThirteenTable();
  const std::vector<uint16_t>& two = TwoOfThirteenTable();
  ASSERT_EQ(five.size(), static_cast<size_t>(kFiveOfThirteenCount));
  ASSERT_EQ(two.size(), static_cast<size_t>(kTwoOfThirteenCount));
  std::set<uint16_t> seen;
  for (uint16_t c : five) {
    EXPECT_EQ(std::popcount(c), 5);
    seen.insert(c);
  }
  for (uint16_t c : two) {
    EXPECT_EQ(std::popcount(c), 2);
    seen.insert(c);
  }
  EXPECT_EQ(seen.size(), five.size() + two.size());
  EXPECT_LE(*seen.rbegin(), kCharacterMask);
}

TEST(IntelligentMailTest, CharacterTablesPairReversalsAndEndWithPalindromes) {
  const std::vector<uint16_t>& five = FiveOfThirteenTable();
  EXPECT_EQ(five[0], 0x001F);
  EXPECT_EQ(five[1], 0x1F00);
  EXPECT_EQ(five[673], 0x1234);
  EXPECT_EQ(five[1286], 0x01F0);
  EXPECT_EQ(TwoOfThirteenTable()[7], 0x1200);
  // 15 five-bit and 6 two-bit characters read the same both ways; they
  // close their tables, and every other entry sits beside its reversal.
  for (const auto& [table, palindromes] :
       {std::pair{&five, size_t{15}}, std::pair{&TwoOfThirteenTable(), size_t{6}}}) {
    const size_t pairs_end = table->size() - palindromes;
    for (size_t i = 0; i < pairs_end; i += 2) {
      EXPECT_EQ(ReverseCharacterBits((*table)[i]), (*table)[i + 1]) << i;
      EXPECT_LT((*table)[i], (*table)[i + 1]) << i;
    }
    for (size_t i = pairs_end; i < table->size(); ++i) {
      EXPECT_EQ(ReverseCharacterBits((*table)[i]), (*table)[i]) << i;
    }
  }
}

TEST(IntelligentMailTest, BarMapUsesEveryCharacterBitOnce) {
  std::set<std::pair<int, int>> sources;
  for (const BarSources& bar : IntelligentMailBarMap()) {
    sources.insert({bar.descender_character, bar.descender_bit});
    sources.insert({bar.ascender_character, bar.ascender_bit});
  }
  ASSERT_EQ(sources.size(), 130u);
  EXPECT_EQ(*sources.begin(), std::make_pair(0, 0));
  EXPECT_EQ(*sources.rbegin(), std::make_pair(9, 12));
}

TEST(IntelligentMailTest, NineDigitMailerTakesSixDigitSerial) {
  const IntelligentMailFields fields{"01", "234", "567094321", "987654", ""};
  EXPECT_EQ(IntelligentMailFieldError(fields), "");
  EXPECT_EQ(IntelligentMailTrackingCode(fields), "01234567094321987654");
  EXPECT_EQ(EncodeIntelligentMail(fields).states.size(), 65u);
}

TEST(IntelligentMailTest, SerialNumbersOneApartGiveDifferentBars) {
  IntelligentMailFields fields{"00", "300", "567094", "000000001", "20500"};
  const std::string first = EncodeIntelligentMail(fields).states;
  fields.serial_number = "000000002";
  EXPECT_NE(EncodeIntelligentMail(fields).states, first);
}

TEST(IntelligentMailTest, BadFieldsAreRefusedWithTheirReason) {
  struct Case {
    IntelligentMailFields fields;
    const char* error;
  };
  const Case cases[] = {
      {{"1", "234", "567094", "987654321", ""},
       "The barcode identifier must be 2 digits, not \"1\"."},
      {{"0A", "234", "567094", "987654321", ""},
       "The barcode identifier must be 2 digits, not \"0A\"."},
      {{"05", "234", "567094", "987654321", ""},
       "The second digit of the barcode identifier must be 0 to 4, not \"05\"."},
      {{"01", "23", "567094", "987654321", ""},
       "The service type identifier must be 3 digits, not \"23\"."},
      {{"01", "23 ", "567094", "987654321", ""},
       "The service type identifier must be 3 digits, not \"23 \"."},
      {{"01", "234", "5670945", "98765432", ""},
       "The mailer identifier must be 6 or 9 digits, not \"5670945\"."},
      {{"01", "234", "567094", "98765", ""},
       "The serial number after a 6-digit mailer identifier must be 9 digits, not \"98765\"."},
      {{"01", "234", "567094321", "987654321", ""},
       "The serial number after a 9-digit mailer identifier must be 6 digits, not \"987654321\"."},
      {{"01", "234", "567094", "98765432x", ""},
       "The serial number after a 6-digit mailer identifier must be 9 digits, not \"98765432x\"."},
      {{"01", "234", "567094", "987654321", "1234"},
       "The routing code must be 0, 5, 9 or 11 digits, not \"1234\"."},
      {{"01", "234", "567094", "987654321", "12345-6789"},
       "The routing code must be 0, 5, 9 or 11 digits, not \"12345-6789\"."},
  };
  for (const Case& c : cases) {
    const IntelligentMailBarcode barcode = EncodeIntelligentMail(c.fields);
    EXPECT_FALSE(barcode.ok());
    EXPECT_EQ(barcode.error, c.error);
    EXPECT_EQ(barcode.states, "");
  }
}

TEST(IntelligentMailTest, RoutingCodeFromARecordsZipAndAddress) {
  for (const char* zip : {"", "1234", "01234", "01234-56", "01234-5678", "01234-567891"}) {
    SCOPED_TRACE(zip);
    const IntelligentMailFields fields = ExampleFields(
        ZipRoutingDigits(zip, "1291 MAIN ST", TPostNetBarCodeType::pnbc11Digit));
    EXPECT_TRUE(EncodeIntelligentMail(fields).ok()) << fields.routing_code;
  }
  EXPECT_EQ(EncodeIntelligentMail(ExampleFields(ZipRoutingDigits(
                "01234-5678", "91 ELM ST", TPostNetBarCodeType::pnbc11Digit)))
                .states,
            kExamples[3].states);
}

TEST(IntelligentMailTest, HighestFieldsStillFitTheCodewords) {
  const IntelligentMailFields fields{"94", "999", "999999999", "999999", "99999999999"};
  const IntelligentMailValue value =
      IntelligentMailBinary(IntelligentMailTrackingCode(fields), fields.routing_code);
  const IntelligentMailCodewords codewords = SplitIntoCodewords(value);
  EXPECT_LE(codewords[0], 658);
  for (size_t i = 1; i < 9; ++i) EXPECT_LT(codewords[i], 1365);
  EXPECT_LT(codewords[9], 636);
  EXPECT_EQ(EncodeIntelligentMail(fields).states.size(), 65u);
}

TEST(IntelligentMailTest, BarsStandAtNominalSizesAroundOneTracker) {
  const Bars bars = IntelligentMailBars(kExamples[3].states);
  ASSERT_EQ(bars.size(), 65u);
  const double tracker_top = (0.145 - 0.048) / 2;
  for (size_t i = 0; i < bars.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(bars[i].left, i / 22.0, 1e-12);
    EXPECT_NEAR(bars[i].width, 0.020, 1e-12);
    // Every bar covers the tracker.
    EXPECT_LE(bars[i].top, tracker_top + 1e-12);
    EXPECT_GE(bars[i].bottom(), tracker_top + 0.048 - 1e-12);
  }
  // "AADT..." : ascender, ascender, descender, tracker, then a full bar.
  EXPECT_NEAR(bars[0].top, 0, 1e-12);
  EXPECT_NEAR(bars[0].height, 0.0965, 1e-12);
  EXPECT_NEAR(bars[2].top, 0.0485, 1e-12);
  EXPECT_NEAR(bars[2].bottom(), 0.145, 1e-12);
  EXPECT_NEAR(bars[3].top, 0.0485, 1e-12);
  EXPECT_NEAR(bars[3].height, 0.048, 1e-12);
  EXPECT_NEAR(bars[4].top, 0, 1e-12);
  EXPECT_NEAR(bars[4].height, 0.145, 1e-12);
  EXPECT_NEAR(bars.back().right(), 64 / 22.0 + 0.020, 1e-12);
}

TEST(IntelligentMailTest, NoBarsForAnythingButSixtyFiveStates) {
  EXPECT_TRUE(IntelligentMailBars("").empty());
  EXPECT_TRUE(IntelligentMailBars(std::string(64, 'F')).empty());
  EXPECT_TRUE(IntelligentMailBars(std::string(64, 'F') + "X").empty());
  EXPECT_EQ(IntelligentMailBars(std::string(65, 'T')).size(), 65u);
}

}  // namespace
}  // namespace vellumo
