// Delivery-point digits taken from street addresses.
#include <gtest/gtest.h>

#include "design/barcodes/delivery_point.h"

namespace vellumo {
namespace {

TEST(DeliveryPointTest, LastTwoDigitsOfTheHouseNumber) {
  EXPECT_EQ(DeliveryPointDigits("123 MAIN ST"), "23");
  EXPECT_EQ(DeliveryPointDigits("123 main st"), "23");
  EXPECT_EQ(DeliveryPointDigits("98765 Elm Road"), "65");
}

TEST(DeliveryPointTest, OrdinalStreetNamesArePassedOver) {
  EXPECT_EQ(DeliveryPointDigits("1234 5TH AVE"), "34");
  EXPECT_EQ(DeliveryPointDigits("40 22ND ST"), "40");
  EXPECT_EQ(DeliveryPointDigits("17 3rd Ave"), "17");
  EXPECT_EQ(DeliveryPointDigits("8 101ST ST"), "08");
}

TEST(DeliveryPointTest, FractionsArePassedOver) {
  EXPECT_EQ(DeliveryPointDigits("12 1/2 ELM ST"), "12");
}

TEST(DeliveryPointTest, OneDigitGetsALeadingZero) {
  EXPECT_EQ(DeliveryPointDigits("7 OAK"), "07");
  EXPECT_EQ(DeliveryPointDigits("OAK LANE #5"), "05");
}

TEST(DeliveryPointTest, MilitaryAddressesAndAddressesWithoutDigitsGiveNinetyNine) {
  EXPECT_EQ(DeliveryPointDigits("PO BOX 17 APO AE"), "99");
  EXPECT_EQ(DeliveryPointDigits("UNIT 2050 BOX 4190 FPO AP"), "99");
  EXPECT_EQ(DeliveryPointDigits("PSC 3 Box 1 apo"), "99");
  EXPECT_EQ(DeliveryPointDigits("MAIN STREET"), "99");
  EXPECT_EQ(DeliveryPointDigits(""), "99");
}

TEST(DeliveryPointTest, ApoInsideAWordIsNotAMilitaryAddress) {
  EXPECT_EQ(DeliveryPointDigits("1500 NAPOLEON AVE"), "00");
  EXPECT_EQ(DeliveryPointDigits("31 CAPO DR"), "31");
  EXPECT_EQ(DeliveryPointDigits("26 FPOINT RD"), "26");
}

}  // namespace
}  // namespace vellumo
