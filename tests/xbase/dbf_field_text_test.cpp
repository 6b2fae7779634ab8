// Field values as text: storing into the types we create and rendering
// every type a table may hold.
#include <gtest/gtest.h>

#include <cstring>

#include "coding.h"
#include "dbf_file.h"

namespace xbase {
namespace {

FieldDef Field(char type, uint16_t length, uint8_t decimals = 0, const char* name = "F") {
  FieldDef f;
  f.name = name;
  f.type = type;
  f.length = length;
  f.decimals = decimals;
  f.offset = 1;
  return f;
}

// Stores `value` into a one-field record and returns the stored bytes.
std::string Stored(const FieldDef& field, std::string_view value, Status* status = nullptr) {
  std::string record(1 + field.length, '#');
  Status s = DbfFile::StoreText(field, value, record.data());
  if (status != nullptr) *status = s;
  else EXPECT_TRUE(s.ok()) << s.ToString();
  return record.substr(1);
}

std::string Text(const FieldDef& field, std::string_view raw) {
  std::string record = " " + std::string(raw);
  return DbfFile::FieldAsText(field, record.data());
}

TEST(DbfFieldTextTest, CharacterIsPaddedOrCut) {
  FieldDef c = Field('C', 5);
  EXPECT_EQ(Stored(c, "ab"), "ab   ");
  EXPECT_EQ(Stored(c, "abcdefg"), "abcde");
  EXPECT_EQ(Stored(c, ""), "     ");
  EXPECT_EQ(Text(c, "ab   "), "ab   ");
  FieldDef wide = Field('C', 254);
  std::string long_text(300, 'x');
  EXPECT_EQ(Stored(wide, long_text), long_text.substr(0, 254));
}

TEST(DbfFieldTextTest, NumbersAreRightAlignedAndRounded) {
  EXPECT_EQ(Stored(Field('N', 8, 2), "3.14159"), "    3.14");
  EXPECT_EQ(Stored(Field('N', 8, 2), "2.675"), "    2.68");  // exact decimal rounding
  EXPECT_EQ(Stored(Field('N', 8, 2), "-2.675"), "   -2.68");
  EXPECT_EQ(Stored(Field('N', 8, 2), "7"), "    7.00");
  EXPECT_EQ(Stored(Field('N', 5, 0), "99.5"), "  100");
  EXPECT_EQ(Stored(Field('N', 5, 0), "  -42 "), "  -42");
  EXPECT_EQ(Stored(Field('N', 5, 0), "-0.2"), "    0");
  EXPECT_EQ(Stored(Field('N', 6, 2), ".5"), "  0.50");
  EXPECT_EQ(Stored(Field('N', 6, 2), "+007.1"), "  7.10");
  EXPECT_EQ(Stored(Field('N', 6, 2), ""), "      ");
  EXPECT_EQ(Stored(Field('N', 20, 4), "-12345678901234.6789"), "-12345678901234.6789");
  EXPECT_EQ(Stored(Field('N', 1, 0), "9"), "9");
  EXPECT_EQ(Stored(Field('F', 10, 3), "1.0005"), "     1.001");
}

TEST(DbfFieldTextTest, NumbersThatDoNotFitAreRefused) {
  Status s;
  std::string before(5, '#');
  EXPECT_EQ(Stored(Field('N', 5, 0, "AMOUNT"), "123456", &s), before);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_EQ(s.message(), "value 123456 does not fit field N(5,0) AMOUNT");
  Stored(Field('N', 5, 2), "999.996", &s);  // rounds up to 1000.00
  EXPECT_TRUE(s.IsInvalidArgument());
  Stored(Field('N', 3, 0), "-100", &s);
  EXPECT_TRUE(s.IsInvalidArgument());
  for (const char* bad : {"abc", "1.2.3", "1e5", "-", ".", "12 34", "0x10"}) {
    Stored(Field('N', 10, 2), bad, &s);
    EXPECT_TRUE(s.IsInvalidArgument()) << bad;
  }
}

TEST(DbfFieldTextTest, Logicals) {
  FieldDef l = Field('L', 1);
  EXPECT_EQ(Stored(l, "t"), "T");
  EXPECT_EQ(Stored(l, "Y"), "Y");
  EXPECT_EQ(Stored(l, "n"), "N");
  EXPECT_EQ(Stored(l, "F"), "F");
  EXPECT_EQ(Stored(l, ""), " ");
  EXPECT_EQ(Stored(l, "?"), "?");
  Status s;
  Stored(l, "yes", &s);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_EQ(Text(l, "y"), "T");
  EXPECT_EQ(Text(l, "N"), "F");
  EXPECT_EQ(Text(l, " "), "?");
  EXPECT_EQ(Text(l, "?"), "?");
}

TEST(DbfFieldTextTest, Dates) {
  FieldDef d = Field('D', 8);
  EXPECT_EQ(Stored(d, "20240229"), "20240229");
  EXPECT_EQ(Stored(d, ""), "        ");
  EXPECT_EQ(Text(d, "        "), "");
  EXPECT_EQ(Text(d, "19991231"), "19991231");
  Status s;
  for (const char* bad : {"20230229", "20241301", "20240100", "2024-01-01", "2024011"}) {
    Stored(d, bad, &s);
    EXPECT_TRUE(s.IsInvalidArgument()) << bad;
  }
}

TEST(DbfFieldTextTest, MemoPointers) {
  FieldDef m = Field('M', 10);
  EXPECT_EQ(Stored(m, "8"), "         8");
  EXPECT_EQ(Stored(m, ""), "          ");
  EXPECT_EQ(Text(m, "        12"), "12");
  EXPECT_EQ(Text(m, "          "), "");
  uint32_t block = 99;
  std::string record = " 4294967295";
  ASSERT_TRUE(DbfFile::MemoBlock(m, record.data(), &block).ok());
  EXPECT_EQ(block, 4294967295u);
  record = " 4294967296";
  EXPECT_TRUE(DbfFile::MemoBlock(m, record.data(), &block).IsCorruption());
  record = "      12ab ";
  EXPECT_TRUE(DbfFile::MemoBlock(m, record.data(), &block).IsCorruption());
  Status s;
  Stored(m, "-3", &s);
  EXPECT_TRUE(s.IsInvalidArgument());

  FieldDef binary = Field('M', 4);  // Visual FoxPro
  std::string raw(4, '\0');
  EncodeLE32(raw.data(), 77);
  EXPECT_EQ(Text(binary, raw), "77");
  EXPECT_EQ(Stored(binary, "300"), std::string("\x2C\x01\0\0", 4));
}

TEST(DbfFieldTextTest, VisualFoxProBinaryTypes) {
  std::string raw(8, '\0');
  EncodeLE32(raw.data(), static_cast<uint32_t>(-123456));
  EXPECT_EQ(Text(Field('I', 4), raw.substr(0, 4)), "-123456");

  EncodeLE64(raw.data(), static_cast<uint64_t>(int64_t{-12345678}));
  EXPECT_EQ(Text(Field('Y', 8), raw), "-1234.5678");
  EncodeLE64(raw.data(), static_cast<uint64_t>(INT64_MIN));
  EXPECT_EQ(Text(Field('Y', 8), raw), "-922337203685477.5808");

  double value = -2.5;
  uint64_t bits;
  std::memcpy(&bits, &value, 8);
  EncodeLE64(raw.data(), bits);
  EXPECT_EQ(Text(Field('B', 8), raw), "-2.5");
  EXPECT_EQ(Text(Field('B', 8, 3), raw), "-2.500");
  value = 0.1;
  std::memcpy(&bits, &value, 8);
  EncodeLE64(raw.data(), bits);
  EXPECT_EQ(Text(Field('B', 8), raw), "0.1");
  value = -1.7976931348623157e308;
  std::memcpy(&bits, &value, 8);
  EncodeLE64(raw.data(), bits);
  EXPECT_EQ(Text(Field('B', 8, 255), raw).size(), 1 + 309 + 1 + 255u);

  // 2451545 is 1 January 2000; 13:45:30.250 after midnight.
  EncodeLE32(raw.data(), 2451545);
  EncodeLE32(raw.data() + 4, (13 * 3600 + 45 * 60 + 30) * 1000 + 250);
  EXPECT_EQ(Text(Field('T', 8), raw), "20000101 13:45:30");
  EncodeLE32(raw.data(), 2460370);  // 29 February 2024
  EncodeLE32(raw.data() + 4, 86399999);
  EXPECT_EQ(Text(Field('T', 8), raw), "20240229 23:59:59");
  EXPECT_EQ(Text(Field('T', 8), std::string(8, '\0')), "");
  EncodeLE32(raw.data(), 0xFFFFFFFF);  // absurd, but must not crash
  EncodeLE32(raw.data() + 4, 0xFFFFFFFF);
  EXPECT_FALSE(Text(Field('T', 8), raw).empty());
}

TEST(DbfFieldTextTest, Varchar) {
  FieldDef v = Field('V', 10);
  EXPECT_EQ(Text(v, std::string("abc\0\0\0\0\0\0\x03", 10)), "abc");
  EXPECT_EQ(Text(v, "abcdefghij"), "abcdefghij");
  EXPECT_EQ(Text(Field('Q', 4), std::string("\x01\xFF\0\x02", 4)), "01FF");
}

TEST(DbfFieldTextTest, TypesWeDoNotWriteAreRefused) {
  Status s;
  Stored(Field('I', 4), "5", &s);
  EXPECT_TRUE(s.IsNotSupported());
}

}  // namespace
}  // namespace xbase
