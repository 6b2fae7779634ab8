// x87 extended floats decoded without trusting their bits.
#include "design/stream/extended_float.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vellumo::design {
namespace {

using namespace std::string_literals;

double Decode(uint64_t mantissa, uint16_t sign_exponent) {
  std::string bytes;
  for (int i = 0; i < 8; ++i) bytes.push_back(static_cast<char>(mantissa >> (8 * i)));
  bytes.push_back(static_cast<char>(sign_exponent));
  bytes.push_back(static_cast<char>(sign_exponent >> 8));
  return DecodeExtendedFloat(bytes);
}

TEST(ExtendedFloatTest, OrdinaryValues) {
  EXPECT_EQ(Decode(0x8000000000000000u, 0x3FFF), 1.0);
  EXPECT_EQ(Decode(0xC000000000000000u, 0x4000), 3.0);
  EXPECT_EQ(Decode(0x8000000000000000u, 0xBFFE), -0.5);
  EXPECT_EQ(Decode(0, 0), 0.0);
  EXPECT_TRUE(std::signbit(Decode(0, 0x8000)));
  EXPECT_NEAR(Decode(0xCCCCCCCCCCCCCCCDu, 0x3FFB), 0.1, 1e-17);
}

TEST(ExtendedFloatTest, OutOfRangeSaturates) {
  EXPECT_EQ(Decode(0x8000000000000000u, 0x7FFE), HUGE_VAL);
  EXPECT_EQ(Decode(0x8000000000000000u, 0xFFFE), -HUGE_VAL);
  EXPECT_EQ(Decode(0x8000000000000000u, 0x0001), 0.0);
  EXPECT_EQ(Decode(0x0000000000000001u, 0x0000), 0.0);  // an extended denormal
}

TEST(ExtendedFloatTest, InfinitiesAndNans) {
  EXPECT_EQ(Decode(0x8000000000000000u, 0x7FFF), HUGE_VAL);
  EXPECT_EQ(Decode(0x8000000000000000u, 0xFFFF), -HUGE_VAL);
  EXPECT_TRUE(std::isnan(Decode(0xC000000000000000u, 0x7FFF)));
  EXPECT_TRUE(std::isnan(Decode(0x0000000000000001u, 0x7FFF)));
}

}  // namespace
}  // namespace vellumo::design
