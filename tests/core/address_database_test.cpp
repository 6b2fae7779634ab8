// Address databases: creation with the settings' widths, the 26 tags, the
// index check and rebuild, the computed fields.
#include <QFile>

#include "core/address_database.h"
#include "core/address_layout.h"
#include "core/settings_file.h"
#include "test_home.h"

namespace vellumo {
namespace {

class AddressDatabaseTest : public HomeTest {
 protected:
  std::unique_ptr<xbase::Table> CreateAndOpen(const QString& name) {
    EXPECT_TRUE(CreateAddressDatabase(DataPath(name), ReadFieldLengths()));
    std::unique_ptr<xbase::Table> t;
    EXPECT_TRUE(OpenTableFile(DataPath(name), &t, AddressFieldNames()));
    return t;
  }
  void Add(xbase::Table& t, const char* last, const char* first) {
    ASSERT_TRUE(t.AppendBlank().ok());
    ASSERT_TRUE(t.Replace("LNAME", last).ok());
    ASSERT_TRUE(t.Replace("FNAME", first).ok());
    ASSERT_TRUE(t.Commit().ok());
  }
};

TEST_F(AddressDatabaseTest, NewDatabaseHasTheLayoutAndAll26Tags) {
  SettingsFile s(SettingsFilePath());
  s.WriteInt("NewFileFieldLengths", "FieldCITY", 3);
  s.WriteInt("NewFileFieldLengths", "FieldZIP", 5);
  ASSERT_TRUE(s.Save());
  auto t = CreateAndOpen("add0001.DBF");
  ASSERT_TRUE(t);
  EXPECT_TRUE(messenger_.said.isEmpty()) << messenger_.said.join("|").toStdString();
  ASSERT_EQ(t->schema().size(), 23u);
  EXPECT_EQ(t->schema().field(8).name, "CITY");
  EXPECT_EQ(t->schema().field(8).length, 30);
  EXPECT_EQ(t->schema().field(10).length, 5);
  EXPECT_EQ(t->schema().field(22).type, 'M');
  EXPECT_EQ(t->TagCount(), 26u);
  EXPECT_EQ(t->Tag(1).name, "NAME");
  EXPECT_EQ(t->Tag(26).name, "NOTISDEL");
  EXPECT_TRUE(IsValidAddressIndex(*t));
}

TEST_F(AddressDatabaseTest, MissingIndexIsInvalidUntilRebuilt) {
  auto t = CreateAndOpen("a.DBF");
  Add(*t, "Brown", "John");
  Add(*t, "Adams", "Ann");
  Add(*t, "Clark", "Cy");
  ASSERT_TRUE(t->Close().ok());
  t.reset();
  ASSERT_TRUE(QFile::remove(DataPath("a.CDX")));
  ASSERT_TRUE(OpenTableFile(DataPath("a.DBF"), &t, AddressFieldNames()));
  EXPECT_FALSE(IsValidAddressIndex(*t));
  // Delete two records as the application does, then rebuild.
  for (uint32_t recno : {1u, 3u}) {
    ASSERT_TRUE(t->Go(recno).ok());
    ASSERT_TRUE(t->ReplaceLogical("ISDEL", true).ok());
    ASSERT_TRUE(t->Delete().ok());
  }
  QStringList statuses;
  std::vector<int> gauge;
  ASSERT_TRUE(RebuildAddressDatabase(*t, [&](const QString& s) { statuses << s; },
                                     [&](int g) { gauge.push_back(g); }));
  EXPECT_EQ(statuses, (QStringList{"Cleaning out old deleted records", "Rebuilding indexes"}));
  EXPECT_TRUE(IsValidAddressIndex(*t));
  EXPECT_EQ(t->RecCount(), 1u);
  ASSERT_TRUE(t->Go(1).ok());
  EXPECT_EQ(t->GetTrimString("LNAME"), "Adams");
}

TEST_F(AddressDatabaseTest, OpeningReportsMissingFilesAndFields) {
  std::unique_ptr<xbase::Table> t;
  EXPECT_FALSE(OpenTableFile(DataPath("none.DBF"), &t));
  EXPECT_EQ(messenger_.said, QStringList{"File " + DataPath("none.DBF") + " not found"});
  ASSERT_TRUE(xbase::Table::Create(DataPath("other.DBF").toStdString(),
                                   {xbase::FieldDef{"LNAME", 'C', 10, 0, 0, 0}})
                  .ok());
  QString error;
  EXPECT_FALSE(OpenTableFile(DataPath("other.DBF"), &t, AddressFieldNames(), &error));
  EXPECT_FALSE(t);
  EXPECT_TRUE(error.contains("FNAME"));
  EXPECT_TRUE(OpenTableFile(DataPath("other.DBF"), &t));  // any DBF, for imports
}

TEST_F(AddressDatabaseTest, CreateInAMissingFolderFails) {
  EXPECT_FALSE(CreateAddressDatabase(DataPath("no/such/dir/x.DBF"), FieldLengths::Defaults()));
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Create failed"});
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("x.DBF")) << "the engine's reason follows on a line of its own";
}

TEST(RebuildGaugeTest, PackingShowsPercentIndexingAddsRisesOver21) {
  RebuildGauge g;
  g.StartPacking();
  EXPECT_EQ(g.Report(40), 40);
  g.StartIndexing();
  EXPECT_EQ(g.Report(0), 0);
  EXPECT_EQ(g.Report(100), 5);   // 100 / 21
  EXPECT_EQ(g.Report(3), 5);     // a new tag starts again near 0
  EXPECT_EQ(g.Report(100), 9);   // 197 / 21
  for (int i = 0; i < 30; ++i) {
    g.Report(0);
    g.Report(100);
  }
  EXPECT_EQ(g.position(), 100);
}

TEST(ComputedFieldsTest, NamesCityLineAndTag) {
  std::map<std::string, QString> record = {{"FNAME", "John"}, {"MIDDLE", ""}, {"LNAME", "Brown"},
                                           {"PREFIX", ""},     {"CITY", "Boston"}, {"STATE", "MA"},
                                           {"ZIP", "02134"},  {"DATE", "19970428"}, {"TAG", "T57MJZ1"}};
  FieldReader read = [&](const char* f) { return record[f]; };
  EXPECT_EQ(FullName(read), "John Brown");
  EXPECT_EQ(FullNameWithPrefix(read), "John Brown");
  EXPECT_EQ(CityStateZip(read), "Boston MA 02134");
  EXPECT_TRUE(IsTagged(read, "T57MJZ1"));
  EXPECT_FALSE(IsTagged(read, "T57MJZ2"));
  record["MIDDLE"] = "Q";
  record["PREFIX"] = "Dr";
  EXPECT_EQ(FullName(read), "John Q Brown");
  EXPECT_EQ(FullNameWithPrefix(read), "Dr John Q Brown");
  record["CITY"] = "";
  EXPECT_EQ(CityStateZip(read), "MA 02134");
  record["LNAME"] = QString(40, 'x');
  EXPECT_EQ(FullName(read).size(), 35);
  EXPECT_EQ(DisplayLabel("ZIP"), "Zip/Postal Code");
  EXPECT_EQ(FieldForDisplayLabel("last name"), "LNAME");
  EXPECT_EQ(FieldForDisplayLabel("Date"), "DisplayDate");
}

}  // namespace
}  // namespace vellumo
