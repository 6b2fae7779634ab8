// The address block's lines for each option the composition tells apart.
#include "design/text/address_block.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

QMap<QString, QString> JohnJones() {
  // Values padded as a table's fixed-width fields are.
  return {{"PREFIX", "Mr  "},     {"FNAME", "John   "},        {"MIDDLE", "Q"},
          {"LNAME", "Jones    "}, {"TITLE", "Manager  "},      {"ORG", "Acme Tools   "},
          {"STREET", "1 Main St "}, {"STREET2", "Suite 4  "},  {"CITY", "Springfield   "},
          {"STATE", "IL   "},     {"ZIP", "62701     "},       {"COUNTRY", "USA    "},
          {"PHONE", "555-1234  "}};
}

QStringList Compose(const QMap<QString, QString>& record, const AddressBlockOptions& options) {
  return ComposeAddressBlock(FieldsFromMap(record), options);
}

AddressBlockOptions PlaceOnly(bool city_state, bool zip, bool country, TZipFormatOptions where) {
  AddressBlockOptions o;
  o.UseName = o.UseTitle = o.UseCompany = o.UseStreet = o.UseStreet2 = false;
  o.UseCityState = city_state;
  o.UseZip = zip;
  o.UseCountry = country;
  o.ZipOptions = where;
  return o;
}

TEST(AddressBlockTest, DefaultsGiveEveryLineButThePhone) {
  EXPECT_EQ(Compose(JohnJones(), {}),
            QStringList({"Mr John Q. Jones ", "Manager", "Acme Tools", "1 Main St", "Suite 4",
                         "Springfield  IL 62701", "USA"}));
}

TEST(AddressBlockTest, PhoneComesLast) {
  AddressBlockOptions o;
  o.UsePhone = true;
  EXPECT_EQ(Compose(JohnJones(), o).last(), "555-1234");
}

TEST(AddressBlockTest, EachLineFollowsItsOption) {
  AddressBlockOptions o;
  o.UseTitle = o.UseStreet2 = false;
  EXPECT_EQ(Compose(JohnJones(), o),
            QStringList({"Mr John Q. Jones ", "Acme Tools", "1 Main St", "Springfield  IL 62701", "USA"}));
  o = {};
  o.UseName = o.UseCompany = o.UseStreet = false;
  EXPECT_EQ(Compose(JohnJones(), o), QStringList({"Manager", "Suite 4", "Springfield  IL 62701", "USA"}));
}

TEST(AddressBlockTest, NameWithoutPrefixEndsInOneSpace) {
  auto r = JohnJones();
  r["PREFIX"] = "";
  EXPECT_EQ(Compose(r, {}).first(), "John Q. Jones ");
}

TEST(AddressBlockTest, BlankMiddleInitialGetsNoPoint) {
  auto r = JohnJones();
  r["PREFIX"] = "";
  r["MIDDLE"] = " ";
  EXPECT_EQ(Compose(r, {}).first(), "John Jones ");
}

TEST(AddressBlockTest, AllNamePartsBlankGiveNoNameLine) {
  auto r = JohnJones();
  r["PREFIX"] = r["FNAME"] = r["LNAME"] = "   ";
  r["MIDDLE"] = " ";
  EXPECT_EQ(Compose(r, {}).first(), "Manager");
}

TEST(AddressBlockTest, EmptyLinesAreLeftOut) {
  auto r = JohnJones();
  r["TITLE"] = r["ORG"] = r["STREET2"] = "";
  EXPECT_EQ(Compose(r, {}),
            QStringList({"Mr John Q. Jones ", "1 Main St", "Springfield  IL 62701", "USA"}));
}

TEST(AddressBlockTest, ZipAfterStateHasTwoSpacesBeforeTheState) {
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, true, false, zoAfterState)),
            QStringList({"Springfield  IL 62701"}));
}

TEST(AddressBlockTest, ZipBeforeCityEndsInOneSpace) {
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, true, false, zoBeforeCity)),
            QStringList({"62701 Springfield IL "}));
}

TEST(AddressBlockTest, EmptyCityStateAndZipGiveNoLine) {
  auto r = JohnJones();
  r["CITY"] = r["STATE"] = r["ZIP"] = "";
  // The composed line would be one blank; it is left out.
  EXPECT_TRUE(Compose(r, PlaceOnly(true, true, false, zoAfterState)).isEmpty());
  EXPECT_TRUE(Compose(r, PlaceOnly(true, true, false, zoBeforeCity)).isEmpty());
}

TEST(AddressBlockTest, CityAndStateWithoutZip) {
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, false, false, zoAfterState)), QStringList({"Springfield IL"}));
}

TEST(AddressBlockTest, ZipWithTheCountryLeavesCityAndStateAlone) {
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, true, true, zoAfterCountry)),
            QStringList({"Springfield IL", "USA 62701"}));
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, true, true, zoBeforeCountry)),
            QStringList({"Springfield IL", "62701 USA"}));
}

TEST(AddressBlockTest, ZipAloneAfterTheStreetsWithoutCityAndState) {
  AddressBlockOptions o;
  o.UseCityState = false;
  o.UseCountry = false;
  EXPECT_EQ(Compose(JohnJones(), o),
            QStringList({"Mr John Q. Jones ", "Manager", "Acme Tools", "1 Main St", "Suite 4", "62701"}));
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(false, true, false, zoBeforeCity)), QStringList({"62701"}));
}

TEST(AddressBlockTest, ZipAloneWhereTheCountryWouldBe) {
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, true, false, zoBeforeCountry)),
            QStringList({"Springfield IL", "62701"}));
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(false, true, false, zoAfterCountry)), QStringList({"62701"}));
}

TEST(AddressBlockTest, ZipOptionsDoNothingWhenTheZipIsOff) {
  for (TZipFormatOptions where : {zoAfterState, zoBeforeCity, zoAfterCountry, zoBeforeCountry}) {
    EXPECT_EQ(Compose(JohnJones(), PlaceOnly(true, false, true, where)), QStringList({"Springfield IL", "USA"}));
    EXPECT_TRUE(Compose(JohnJones(), PlaceOnly(false, false, false, where)).isEmpty());
  }
}

TEST(AddressBlockTest, ZipStandsAloneWhenItsLineIsOff) {
  // With the ZIP meant for the city line but city and state off it stands
  // alone; meant for the country line with the country off, likewise; but
  // never twice.
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(false, true, true, zoAfterState)), QStringList({"62701", "USA"}));
  EXPECT_EQ(Compose(JohnJones(), PlaceOnly(false, true, true, zoAfterCountry)), QStringList({"USA 62701"}));
}

TEST(AddressBlockTest, LeadingBlanksOfPlacePartsAreDropped) {
  auto r = JohnJones();
  r["CITY"] = "  Springfield";
  r["STATE"] = " IL";
  r["ZIP"] = " 62701";
  r["COUNTRY"] = "  USA";
  EXPECT_EQ(Compose(r, PlaceOnly(true, true, true, zoAfterState)), QStringList({"Springfield  IL 62701", "USA"}));
}

TEST(AddressBlockTest, UpperCaseTurnsOnlyPlainLetters) {
  auto r = JohnJones();
  r["CITY"] = "Montréal";
  AddressBlockOptions o = PlaceOnly(true, true, false, zoAfterState);
  o.UpperCase = true;
  EXPECT_EQ(Compose(r, o), QStringList({"MONTRéAL  IL 62701"}));
  o = {};
  o.UpperCase = true;
  EXPECT_EQ(Compose(JohnJones(), o).first(), "MR JOHN Q. JONES ");
  EXPECT_EQ(Compose(JohnJones(), o)[5], "SPRINGFIELD  IL 62701");
}

TEST(AddressBlockTest, StopsQuietlyAtAMissingField) {
  auto r = JohnJones();
  r.remove("STREET2");
  EXPECT_EQ(Compose(r, {}), QStringList({"Mr John Q. Jones ", "Manager", "Acme Tools", "1 Main St"}));
  r = JohnJones();
  r.remove("COUNTRY");  // read with the city, so the city line goes too
  EXPECT_EQ(Compose(r, {}),
            QStringList({"Mr John Q. Jones ", "Manager", "Acme Tools", "1 Main St", "Suite 4"}));
  r = JohnJones();
  r.remove("MIDDLE");
  EXPECT_TRUE(Compose(r, {}).isEmpty());
}

TEST(AddressBlockTest, FieldsLeftOutAreNotRead) {
  auto r = JohnJones();
  r.remove("TITLE");
  r.remove("PHONE");
  AddressBlockOptions o;
  o.UseTitle = false;
  EXPECT_EQ(Compose(r, o).size(), 6);
}

TEST(AddressBlockTest, FieldNamesShownGiveThePlaceholder) {
  EXPECT_EQ(AddressBlockLines(FieldsFromMap(JohnJones()), {}, {false, false}), QStringList({"[Address Label]"}));
  EXPECT_EQ(AddressBlockLines(FieldsFromMap(JohnJones()), {}, {false, true}).size(), 7);
  EXPECT_EQ(AddressBlockLines(FieldsFromMap(JohnJones()), {}, {true, false}).size(), 7);
}

}  // namespace
}  // namespace vellumo
