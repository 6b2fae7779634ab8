// Windows-1252 <-> UTF-8 conversion.
#include "xbase/codepage.h"

#include <gtest/gtest.h>

namespace xbase {
namespace {

TEST(CodepageTest, AccentedLettersAndPunctuation) {
  EXPECT_EQ(Windows1252ToUtf8("Caf\xE9 M\xFCller \x80 \x93quoted\x94 \x85"),
            "Café Müller € “quoted” …");
  EXPECT_EQ(Utf8ToWindows1252("Café Müller € “quoted” …"),
            "Caf\xE9 M\xFCller \x80 \x93quoted\x94 \x85");
  EXPECT_EQ(Utf8ToWindows1252("Œuvre Šťastný Ÿ ™"), "\x8C" "uvre \x8A?astn\xFD \x9F \x99");
}

TEST(CodepageTest, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

TEST(CodepageTest, UndefinedBytesBecomeTheirC1Controls) {
  EXPECT_EQ(Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"),
            "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
  // Other C1 controls have no byte: 0x80 is the euro sign.
  EXPECT_EQ(Utf8ToWindows1252("\xC2\x80\xC2\x9F"), "??");
}

TEST(CodepageTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToWindows1252("a\xE2\x82\xB9" "b"), "a?b");          // rupee sign
  EXPECT_EQ(Utf8ToWindows1252("\xF0\x9F\x98\x80!"), "?!");            // emoji
  EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD\xE6\x96\x87"), "??");     // two CJK characters
}

TEST(CodepageTest, MalformedUtf8BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToWindows1252("a\x80" "b"), "a?b");           // stray continuation byte
  EXPECT_EQ(Utf8ToWindows1252("\xC3"), "?");                  // cut at the end
  EXPECT_EQ(Utf8ToWindows1252("\xC3" "A"), "?A");             // continuation missing
  EXPECT_EQ(Utf8ToWindows1252("\xC1\xA9"), "??");             // overlong 'i'
  EXPECT_EQ(Utf8ToWindows1252("\xE0\x80\xAF"), "???");        // overlong '/'
  EXPECT_EQ(Utf8ToWindows1252("\xED\xA0\x80"), "???");        // surrogate
  EXPECT_EQ(Utf8ToWindows1252("\xF4\x90\x80\x80"), "????");   // beyond U+10FFFF
  EXPECT_EQ(Utf8ToWindows1252("\xFF\xFE"), "??");
  EXPECT_EQ(Utf8ToWindows1252(std::string_view("\0x", 2)), std::string("\0x", 2));
}

}  // namespace
}  // namespace xbase
