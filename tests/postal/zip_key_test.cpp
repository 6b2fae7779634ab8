// ZIP keys: the first five bytes, and the three ordinal tests that decide
// whether a record takes part.
#include <gtest/gtest.h>

#include "postal/zip_key.h"

namespace vellumo {
namespace {

TEST(ZipKeyTest, IsTheFirstFiveBytesOrFewer) {
  EXPECT_EQ(ZipKey("12345-6789"), "12345");
  EXPECT_EQ(ZipKey("12345"), "12345");
  EXPECT_EQ(ZipKey("123"), "123");
  EXPECT_EQ(ZipKey(""), "");
  EXPECT_EQ(ZipKey("K1A 0B1"), "K1A 0");
}

TEST(ZipKeyTest, KeysThatPass) {
  for (const char* key : {"12345", "00000", "99999", "1234", "001", "1-234", "5A", "0000A", "1\xE9"}) {
    EXPECT_TRUE(IsUsZipKey(key)) << key;
  }
}

TEST(ZipKeyTest, KeysThatFail) {
  // Below "00000": shorter runs of zeros and anything under '0' after them.
  for (const char* key : {"", "0", "00", "0000", "0000 ", "000-1", "00/12"}) EXPECT_FALSE(IsUsZipKey(key)) << key;
  // Not beginning with a digit.
  for (const char* key : {" 1234", "K1A 0", "a1234", "-1234", "\xE9" "1234"}) EXPECT_FALSE(IsUsZipKey(key)) << key;
  // Above "99999-999", bytes compared unsigned so that 0xE9 is above '9'.
  for (const char* key : {"9999:", "9:", "9A", "9\xE9"}) EXPECT_FALSE(IsUsZipKey(key)) << key;
}

}  // namespace
}  // namespace vellumo
