// The function library: results at the edges and the static widths that
// become index key lengths.
#include "expr_test_table.h"

namespace xbase::testing {
namespace {

using FunctionTest = ExpressionTest;

TEST_F(FunctionTest, CaseMappingCoversWindows1252) {
  EXPECT_EQ(Text("UPPER('abc xyz 09')"), "ABC XYZ 09");
  EXPECT_EQ(Text("LOWER('ABC XYZ 09')"), "abc xyz 09");
  // à..þ <-> À..Þ except ÷/×; š/Š, œ/Œ, ž/Ž, ÿ/Ÿ.
  EXPECT_EQ(Text("UPPER('\xE0\xE9\xFE\xF7\x9A\x9C\x9E\xFF\xDF')"), "\xC0\xC9\xDE\xF7\x8A\x8C\x8E\x9F\xDF");
  EXPECT_EQ(Text("LOWER('\xC0\xC9\xDE\xD7\x8A\x8C\x8E\x9F')"), "\xE0\xE9\xFE\xD7\x9A\x9C\x9E\xFF");
  rec_.Set("LNAME", "\xe9tienne");
  EXPECT_TRUE(Holds("UPPER(LNAME) = '\xC9TIENNE'"));
  EXPECT_TRUE(Holds("UPPER(LNAME) == '\xC9TIENNE'"));
  EXPECT_EQ(Text("LOWER(UPPER(LNAME))"), "\xe9tienne" + std::string(23, ' '));
}

// Long texts take the eight-bytes-at-a-time path; every byte value must map
// as the table says wherever it sits in the word.
TEST_F(FunctionTest, CaseMappingOfLongTextsMatchesByteByByte) {
  auto reference = [](unsigned char c, bool upper) -> unsigned char {
    if (upper) {
      if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
      if (c == 0x9A || c == 0x9C || c == 0x9E) return c - 16;
      return c == 0xFF ? 0x9F : c;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    if (c == 0x8A || c == 0x8C || c == 0x8E) return c + 16;
    return c == 0x9F ? 0xFF : c;
  };
  Schema one({{"T", 'C', 37, 0}});
  auto upper = CompileOrDie("UPPER(T)", one);
  auto lower = CompileOrDie("LOWER(T)", one);
  auto upper_joined = CompileOrDie("UPPER(T+'')", one);
  for (int start = 0; start < 256; start += 3) {
    std::string record(38, ' ');
    for (int i = 0; i < 37; ++i) record[1 + i] = static_cast<char>((start + i * 7) % 256);
    if (start % 2 == 0) {
      for (int i = 0; i < 37; i += 2) record[1 + i] = static_cast<char>('@' + (start + i) % 60);
    }
    std::string want_upper, want_lower;
    for (int i = 0; i < 37; ++i) {
      want_upper += static_cast<char>(reference(static_cast<unsigned char>(record[1 + i]), true));
      want_lower += static_cast<char>(reference(static_cast<unsigned char>(record[1 + i]), false));
    }
    RecordRef ref{record.data(), 1, false};
    Value v;
    upper->Evaluate(ref, &v);
    EXPECT_EQ(v.text, want_upper) << start;
    upper_joined->Evaluate(ref, &v);
    EXPECT_EQ(v.text, want_upper) << start;
    lower->Evaluate(ref, &v);
    EXPECT_EQ(v.text, want_lower) << start;
  }
}

TEST_F(FunctionTest, Trimming) {
  EXPECT_EQ(Text("TRIM('  a b  ')"), "  a b");
  EXPECT_EQ(Text("RTRIM('  a b  ')"), "  a b");
  EXPECT_EQ(Text("LTRIM('  a b  ')"), "a b  ");
  EXPECT_EQ(Text("ALLTRIM('  a b  ')"), "a b");
  EXPECT_EQ(Text("TRIM(LNAME)"), "");
  EXPECT_EQ(Text("ALLTRIM(LNAME)"), "");
  EXPECT_EQ(Text("LTRIM(SPACE(5))"), "");
  rec_.Set("LNAME", "Smith").Set("FNAME", "Jo");
  EXPECT_EQ(Text("TRIM(FNAME)+' '+TRIM(LNAME)"), "Jo Smith");
  EXPECT_EQ(Number("LEN(TRIM(LNAME))"), 5);
}

TEST_F(FunctionTest, Substrings) {
  EXPECT_EQ(Text("SUBSTR('abcdef', 2, 3)"), "bcd");
  EXPECT_EQ(Text("SUBSTR('abcdef', 4)"), "def");
  EXPECT_EQ(Text("SUBSTR('abcdef', 5, 10)"), "ef");
  EXPECT_EQ(Text("SUBSTR('abcdef', 7)"), "");
  EXPECT_EQ(Text("SUBSTR('abcdef', 99, 2)"), "");
  EXPECT_EQ(Text("SUBSTR('abcdef', 0, 2)"), "ab");
  EXPECT_EQ(Text("SUBSTR('abcdef', -5, 2)"), "ab");
  EXPECT_EQ(Text("SUBSTR('abcdef', 2, 0)"), "");
  EXPECT_EQ(Text("SUBSTR('abcdef', 2, -1)"), "");
  rec_.SetInt32("COUNT", 3);
  EXPECT_EQ(Text("SUBSTR('abcdef', COUNT, COUNT)"), "cde");
  EXPECT_EQ(Text("LEFT('abcdef', 2)"), "ab");
  EXPECT_EQ(Text("LEFT('abc', 10)"), "abc");
  EXPECT_EQ(Text("LEFT('abc', 0)"), "");
  EXPECT_EQ(Text("RIGHT('abcdef', 2)"), "ef");
  EXPECT_EQ(Text("RIGHT('abc', 10)"), "abc");
  EXPECT_EQ(Text("RIGHT('abc', COUNT - 4)"), "");
  EXPECT_EQ(Text("RIGHT('abc', 10^300)"), "abc");
  EXPECT_EQ(Text("SUBSTR('abc', 0/0, 0/0)"), "");  // NaN positions read as the lowest
}

TEST_F(FunctionTest, PaddingAndRepetition) {
  EXPECT_EQ(Text("SPACE(3)"), "   ");
  EXPECT_EQ(Text("SPACE(0)"), "");
  EXPECT_EQ(Text("REPLICATE('ab', 3)"), "ababab");
  EXPECT_EQ(Text("REPLICATE('ab', 0)"), "");
  EXPECT_EQ(Text("REPLICATE(TRIM(LNAME), 4)"), "");
  EXPECT_EQ(Text("PADL('ab', 5)"), "   ab");
  EXPECT_EQ(Text("PADR('ab', 5, '*')"), "ab***");
  EXPECT_EQ(Text("PADL('abcdef', 3)"), "abc");
  EXPECT_EQ(Text("PADL('ab', 4, '')"), "  ab");
  EXPECT_EQ(Text("CHR(65)+CHR(300)"), "A\xFF");
  EXPECT_EQ(Number("ASC('a')"), 97);
  EXPECT_EQ(Number("ASC('')"), 0);
}

TEST_F(FunctionTest, SearchingAndMeasuring) {
  EXPECT_EQ(Number("AT('c', 'abcabc')"), 3);
  EXPECT_EQ(Number("AT('ca', 'abcabc')"), 3);
  EXPECT_EQ(Number("AT('x', 'abc')"), 0);
  EXPECT_EQ(Number("AT('', 'abc')"), 0);
  EXPECT_EQ(Number("AT('abcd', 'abc')"), 0);
  EXPECT_EQ(Number("LEN(LNAME)"), 30);
  EXPECT_EQ(Number("LEN('')"), 0);
  EXPECT_TRUE(Holds("EMPTY(LNAME)"));
  EXPECT_TRUE(Holds("EMPTY('')"));
  EXPECT_FALSE(Holds("EMPTY(' x')"));
  EXPECT_TRUE(Holds("EMPTY(AMOUNT)"));
  EXPECT_TRUE(Holds("EMPTY(BORN)"));
  EXPECT_TRUE(Holds("EMPTY(ISDEL)"));
  EXPECT_FALSE(Holds("EMPTY(.T.)"));
}

TEST_F(FunctionTest, StrFormatsLikeXbase) {
  EXPECT_EQ(Text("STR(42)"), "        42");
  EXPECT_EQ(Text("STR(-42, 5)"), "  -42");
  EXPECT_EQ(Text("STR(3.14159, 6, 2)"), "  3.14");
  EXPECT_EQ(Text("STR(2.5, 3)"), "  3");     // half away from zero
  EXPECT_EQ(Text("STR(-2.5, 3)"), " -3");
  EXPECT_EQ(Text("STR(2.675, 5, 2)"), " 2.68");
  EXPECT_EQ(Text("STR(123456, 5)"), "*****");
  EXPECT_EQ(Text("STR(123.456, 5, 2)"), "123.5");  // decimals give way first
  EXPECT_EQ(Text("STR(-0.001, 5, 2)"), " 0.00");
  EXPECT_EQ(Text("STR(1/0, 4)"), "****");
  EXPECT_EQ(Text("STR(10^300*10^300, 3)"), "***");
  EXPECT_EQ(CompileOrDie("STR(AMOUNT, 12, 2)", schema_)->key_length(), 12u);
  std::string huge = Text("STR(10^100, 255, 200)");  // decimals shrink to fit 101 digits
  EXPECT_EQ(huge.find_first_not_of("0123456789. "), std::string::npos) << huge;
  EXPECT_EQ(huge.substr(0, 2), "10");
  EXPECT_EQ(huge.size(), 255u);
}

TEST_F(FunctionTest, ValReadsWhatItCan) {
  EXPECT_EQ(Number("VAL('  123.45')"), 123.45);
  EXPECT_EQ(Number("VAL('-7')"), -7);
  EXPECT_EQ(Number("VAL('+.5')"), 0.5);
  EXPECT_EQ(Number("VAL('12abc')"), 12);
  EXPECT_EQ(Number("VAL('abc')"), 0);
  EXPECT_EQ(Number("VAL('')"), 0);
  EXPECT_EQ(Number("VAL('1.2.3')"), 1.2);
  EXPECT_EQ(Number("VAL('123456789012345678901234')"), 123456789012345678901234.0);
  EXPECT_EQ(Number("VAL(STR(-12.25, 8, 2))"), -12.25);
}

TEST_F(FunctionTest, DatesAndDateArithmetic) {
  rec_.Set("BORN", "20240315");
  EXPECT_EQ(Text("DTOS(BORN)"), "20240315");
  EXPECT_EQ(Text("DTOC(BORN)"), "03/15/2024");
  EXPECT_EQ(Text("DTOS(BORN + 17)"), "20240401");
  EXPECT_EQ(Text("DTOS(1 + BORN)"), "20240316");
  EXPECT_EQ(Text("DTOS(BORN - 15)"), "20240229");
  EXPECT_EQ(Number("BORN - {^2024-01-01}"), 74);
  EXPECT_EQ(Number("YEAR(BORN)*10000 + MONTH(BORN)*100 + DAY(BORN)"), 20240315);
  EXPECT_EQ(Text("DTOS(CTOD('03/15/2024'))"), "20240315");
  EXPECT_EQ(Text("DTOS(CTOD('03/15/24'))"), "19240315");
  EXPECT_EQ(Text("DTOS(CTOD('02/30/2024'))"), "        ");
  EXPECT_EQ(Text("DTOS(CTOD('junk'))"), "        ");
  EXPECT_GT(Number("DATE()"), Number("{^2024-01-01}"));
  rec_.Set("BORN", "");
  EXPECT_EQ(Text("DTOS(BORN)"), "        ");
  EXPECT_EQ(Text("DTOC(BORN + 5)"), "          ");
  EXPECT_EQ(Number("YEAR(BORN)"), 0);
  rec_.Set("BORN", "2024x315");  // damaged: reads as empty
  EXPECT_TRUE(Holds("EMPTY(BORN)"));
}

TEST_F(FunctionTest, NumbersAndChoices) {
  EXPECT_EQ(Number("INT(-3.7)"), -3);
  EXPECT_EQ(Number("ABS(-3.5)"), 3.5);
  EXPECT_EQ(Number("ROUND(2.345, 2)"), 2.35);
  EXPECT_EQ(Number("ROUND(1234, -2)"), 1200);
  EXPECT_EQ(Number("MIN(3, 2)"), 2);
  EXPECT_EQ(Number("MAX(3, 2)"), 3);
  EXPECT_EQ(Text("MAX('abc', 'abd')"), "abd");
  EXPECT_EQ(Text("MIN('b', 'abc')"), "abc");
  EXPECT_EQ(Text("IIF(ISDEL, 'yes', 'no')"), "no");
  EXPECT_EQ(Number("IIF(.T., 1, 2)"), 1);
  EXPECT_EQ(Number("RECNO()"), 7);
  EXPECT_FALSE(Holds("DELETED()"));
  rec_.Delete();
  EXPECT_TRUE(Holds("DELETED()"));
}

TEST_F(FunctionTest, StaticWidthsAreKeyLengths) {
  struct Case {
    const char* text;
    size_t width;
  } cases[] = {
      {"LNAME", 30},           {"UPPER(LNAME)", 30},        {"LOWER(CITY)", 20},
      {"TRIM(LNAME)", 30},     {"ALLTRIM(LNAME)", 30},      {"LTRIM(ZIP)", 10},
      {"SUBSTR(LNAME, 2, 5)", 5}, {"SUBSTR(LNAME, 2)", 30}, {"LEFT(ZIP, 5)", 5},
      {"RIGHT(ZIP, 4)", 4},    {"STR(AMOUNT)", 10},         {"STR(AMOUNT, 6, 1)", 6},
      {"DTOS(BORN)", 8},       {"DTOC(BORN)", 10},          {"'abc'", 3},
      {"LNAME+FNAME", 60},     {"LNAME-FNAME", 60},         {"UPPER(CITY+STATE)", 22},
      {"IIF(ISDEL, LNAME, ZIP)", 30}, {"PADL(ZIP, 12)", 12}, {"SPACE(4)+STATE", 6},
      {"AMOUNT", 8},           {"BORN", 8},                 {"ISDEL", 1},
      {"DELETED()", 1},        {"COUNT*2", 8},
  };
  for (const Case& c : cases) {
    auto e = CompileOrDie(c.text, schema_);
    ASSERT_TRUE(e) << c.text;
    EXPECT_EQ(e->key_length(), c.width) << c.text;
  }
}

TEST_F(FunctionTest, BinaryFieldTypes) {
  rec_.SetInt32("COUNT", -12).SetDouble("PRICE", 2.5).SetInt64("COST", 123456).SetInt32("STAMP", 2451545);
  EXPECT_EQ(Number("COUNT"), -12);
  EXPECT_EQ(Number("PRICE * 2"), 5);
  EXPECT_EQ(Number("COST"), 12.3456);
  EXPECT_EQ(Text("DTOS(STAMP)"), "20000101");
  rec_.Set("AMOUNT", "-12.50").Set("RATE", "1.5");
  EXPECT_EQ(Number("AMOUNT + RATE"), -11);
  rec_.Set("AMOUNT", "**********");  // overflowed field
  EXPECT_EQ(Number("AMOUNT"), 0);
  for (const char* t : {"T", "t", "Y", "y"}) {
    rec_.Set("ISDEL", t);
    EXPECT_TRUE(Holds("ISDEL")) << t;
  }
  for (const char* f : {"F", "f", "N", "n", " ", "?"}) {
    rec_.Set("ISDEL", f);
    EXPECT_FALSE(Holds("ISDEL")) << f;
  }
}

}  // namespace
}  // namespace xbase::testing
