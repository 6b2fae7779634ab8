// The adding preferences in the settings file, and the rules they drive.
#include <QFile>

#include "core/adding_preferences.h"
#include "addressbook/adding_rules.h"
#include "core/application_home.h"
#include "test_home.h"

namespace vellumo {
namespace {

class PreferencesTest : public HomeTest {};

TEST_F(PreferencesTest, MissingSettingsReadAsOff) {
  EXPECT_EQ(AddingPreferences::Load(), AddingPreferences{});
}

TEST_F(PreferencesTest, KeysKeepTheirHistoricalSpelling) {
  AddingPreferences prefs;
  prefs.skip_first_name = true;
  prefs.skip_title = true;
  prefs.skip_comments2 = true;
  prefs.carry_street1 = true;
  prefs.default_country = "Canada";
  ASSERT_TRUE(prefs.Save());

  QFile file(SettingsFilePath());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  EXPECT_TRUE(text.contains("[Adding]"));
  for (const char* line : {"SkipfirstName=1", "Skiptitle=1", "Skipcomments2=1", "CarrySA1=1", "CarrySA2=0",
                           "PlugDate=0", "DefaultCountry=Canada"}) {
    EXPECT_TRUE(text.contains(line)) << line;
  }
  EXPECT_EQ(AddingPreferences::Load(), prefs);
}

TEST_F(PreferencesTest, NewRecordCarriesForwardWhatThePreferencesSay) {
  AddressRecord previous;
  previous.Set("ORG", "Acme");
  previous.Set("STREET", "1 Main St");
  previous.Set("STREET2", "Suite 4");
  previous.Set("CITY", "Boston");
  previous.Set("STATE", "MA");
  previous.Set("ZIP", "02134");
  previous.Set("COUNTRY", "USA");
  AddingPreferences prefs;
  prefs.carry_org = prefs.carry_street1 = prefs.carry_city = prefs.carry_state = prefs.carry_zip = true;
  prefs.plug_date = true;
  prefs.default_country = "Canada";

  AddressRecord r = NewRecordValues(prefs, previous, {"Brown", "John", ""}, "", "", QDate(1997, 4, 28));
  EXPECT_EQ(r.Get("LNAME"), "Brown");
  EXPECT_EQ(r.Get("FNAME"), "John");
  EXPECT_EQ(r.Get("ORG"), "Acme");
  EXPECT_EQ(r.Get("STREET"), "1 Main St");
  EXPECT_EQ(r.Get("STREET2"), "");
  EXPECT_EQ(r.Get("CITY"), "Boston");
  EXPECT_EQ(r.Get("ZIP"), "02134");
  EXPECT_EQ(r.Get("COUNTRY"), "Canada") << "no country carried: the default";
  EXPECT_EQ(r.Get("DATE"), "19970428");

  // A typed ZIP and a found city and state win over carried values.
  r = NewRecordValues(prefs, previous, {"", "", "10001"}, "New York", "NY", QDate(1997, 4, 28));
  EXPECT_EQ(r.Get("ZIP"), "10001");
  EXPECT_EQ(r.Get("CITY"), "New York");
  EXPECT_EQ(r.Get("STATE"), "NY");

  prefs.carry_country = true;
  r = NewRecordValues(prefs, previous, {}, "", "", QDate(1997, 4, 28));
  EXPECT_EQ(r.Get("COUNTRY"), "USA");
  // Carried forward from a record without country: the default again.
  previous.Set("COUNTRY", "");
  r = NewRecordValues(prefs, previous, {}, "", "", QDate(1997, 4, 28));
  EXPECT_EQ(r.Get("COUNTRY"), "Canada");
}

TEST_F(PreferencesTest, FocusAndSkippedFieldsFollowTheSkipSettings) {
  AddingPreferences prefs;
  AddressRecord named;
  named.Set("LNAME", "Brown");
  EXPECT_EQ(FirstFocusField(prefs, AddressRecord{}), "LNAME");
  EXPECT_EQ(FirstFocusField(prefs, named), "FNAME");
  named.Set("FNAME", "John");
  EXPECT_EQ(FirstFocusField(prefs, named), "MIDDLE");
  prefs.skip_last_name = prefs.skip_first_name = prefs.skip_middle_initial = prefs.skip_prefix = true;
  EXPECT_EQ(FirstFocusField(prefs, AddressRecord{}), "TITLE");
  prefs.skip_title = prefs.skip_organization = true;
  EXPECT_EQ(FirstFocusField(prefs, AddressRecord{}), "STREET");

  AddingPreferences few;
  few.skip_comments2 = few.skip_zip = true;
  EXPECT_EQ(SkippedFields(few), (QStringList{"ZIP", "USER2"}));
  EXPECT_TRUE(SkippedFields(AddingPreferences{}).isEmpty());
}

}  // namespace
}  // namespace vellumo
