// The settings file and the settings kept in it: exact keys, defaults,
// recent files, field lengths and window placement.
#include <QFile>

#include "core/field_lengths.h"
#include "core/preferences.h"
#include "core/recent_files.h"
#include "core/settings_file.h"
#include "core/window_placement.h"
#include "test_home.h"

namespace vellumo {
namespace {

class SettingsTest : public HomeTest {
 protected:
  QString FileText() {
    QFile f(SettingsFilePath());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return QString::fromUtf8(f.readAll());
  }
};

TEST_F(SettingsTest, MissingFileGivesDefaultsAndKeysKeepTheirCase) {
  SettingsFile s(SettingsFilePath());
  EXPECT_EQ(s.ReadString("Adding", "DefaultCountry", "none"), "none");
  EXPECT_TRUE(s.ReadBool("Adding", "SkipfirstName", true));
  s.WriteBool("Adding", "SkipfirstName", true);
  s.WriteBool("Adding", "Skiptitle", false);
  s.WriteInt("Dialing", "Method", 2);
  ASSERT_TRUE(s.Save());
  EXPECT_EQ(FileText(), "[Adding]\r\nSkipfirstName=1\r\nSkiptitle=0\r\n\r\n[Dialing]\r\nMethod=2\r\n");
  SettingsFile again(SettingsFilePath());
  EXPECT_TRUE(again.ReadBool("adding", "SKIPFIRSTNAME", false));  // lookups ignore case
  EXPECT_EQ(again.ReadInt("Dialing", "Method", 0), 2);
}

TEST_F(SettingsTest, ForeignFilesReadLeniently) {
  QFile f(SettingsFilePath());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("junk before any section\r\n[Misc]\r\nGettingStarted = 7abc\r\nbroken line\r\n"
          "Name=Caf\xe9\r\n[MRU]\r\nItem1=/a\r\n");
  f.close();
  SettingsFile s(SettingsFilePath());
  EXPECT_TRUE(s.ReadBool("Misc", "GettingStarted", false));
  EXPECT_EQ(s.ReadInt("Misc", "Name", -1), -1);
  EXPECT_EQ(s.ReadString("Misc", "Name", ""), QString::fromUtf8("Café"));  // Windows-1252 file
  EXPECT_EQ(ReadRecentFiles(), QStringList{"/a"});
}

TEST_F(SettingsTest, RecentFilesKeepFourMostRecentFirst) {
  for (const char* p : {"/d/a.DBF", "/d/b.DBF", "/d/c.DBF", "/d/d.DBF"}) RecordRecentFile(p);
  EXPECT_EQ(ReadRecentFiles(), (QStringList{"/d/d.DBF", "/d/c.DBF", "/d/b.DBF", "/d/a.DBF"}));
  RecordRecentFile("/d/b.DBF");
  EXPECT_EQ(ReadRecentFiles(), (QStringList{"/d/b.DBF", "/d/d.DBF", "/d/c.DBF", "/d/a.DBF"}));
  RecordRecentFile("/d/e.DBF");
  EXPECT_EQ(ReadRecentFiles(), (QStringList{"/d/e.DBF", "/d/b.DBF", "/d/d.DBF", "/d/c.DBF"}));
  RecordRecentFile("/d/E.DBF");  // paths compare exactly
  EXPECT_EQ(ReadRecentFiles().first(), "/d/E.DBF");
  EXPECT_EQ(ReadRecentFiles().size(), 4);
}

TEST_F(SettingsTest, FieldLengthsOutOfRangeFallBackToDefaults) {
  SettingsFile s(SettingsFilePath());
  s.WriteInt("NewFileFieldLengths", "FieldCITY", 3);
  s.WriteInt("NewFileFieldLengths", "FieldSTATE", 200);
  s.WriteInt("NewFileFieldLengths", "FieldZIP", 5);
  ASSERT_TRUE(s.Save());
  FieldLengths f = ReadFieldLengths();
  EXPECT_EQ(f.Get("CITY"), 30);
  EXPECT_EQ(f.Get("STATE"), 20);
  EXPECT_EQ(f.Get("ZIP"), 5);
  EXPECT_EQ(f.Get("FAX"), 40);
  EXPECT_EQ(FieldLengths::DialogDefaults().Get("FAX"), 30);
  f.Set("LNAME", 81);
  WriteFieldLengths(f);
  EXPECT_EQ(SettingsFile(SettingsFilePath()).ReadInt("NewFileFieldLengths", "FieldLNAME", 0), 30);
}

TEST_F(SettingsTest, PlacementPerResolutionAndFittedToScreen) {
  EXPECT_EQ(PlacementSection("TAddressMain", 96), "TAddressMain_Placement");
  EXPECT_EQ(PlacementSection("TAddressMain", 120), "TAddressMain_Placement120");
  WritePlacement(PlacementSection("TAddressMain", 120), WindowPlacement{10, 20, 810, 620, true});
  EXPECT_FALSE(ReadPlacement(PlacementSection("TAddressMain", 96), false).stored());
  WindowPlacement p = ReadPlacement(PlacementSection("TAddressMain", 120), false);
  EXPECT_TRUE(p.maximized);
  WindowPlacement fitted = FitToScreen(WindowPlacement{500, 100, 1300, 700, false}, 1024, 768);
  EXPECT_EQ(fitted.left, 224);
  EXPECT_EQ(fitted.right, 1024);
  EXPECT_EQ(fitted.top, 100);
  fitted = FitToScreen(WindowPlacement{0, 400, 100, 900, false}, 1024, 768);
  EXPECT_EQ(fitted.top, 268);
  EXPECT_EQ(fitted.bottom, 768);
  EXPECT_EQ(CentredOver(QRect(100, 100, 400, 300), false, QSize(201, 101), QRect(0, 0, 1024, 768)),
            QRect(199, 199, 201, 101));
  EXPECT_EQ(CentredOver(QRect(100, 100, 400, 300), true, QSize(200, 100), QRect(0, 0, 1000, 800)),
            QRect(400, 350, 200, 100));
}

}  // namespace
}  // namespace vellumo

#include "core/preferences.h"

namespace vellumo {
namespace {

TEST_F(SettingsTest, MiscAndDialingGroupsRoundTrip) {
  EXPECT_FALSE(ReadGettingStartedSuppressed());
  WriteGettingStartedSuppressed(true);
  EXPECT_TRUE(ReadGettingStartedSuppressed());
  DialingSettings d{"9,", "ATZ", "/dev/ttyS0", 1, true};
  WriteDialingSettings(d);
  EXPECT_EQ(ReadDialingSettings(), d);
  EXPECT_TRUE(FileText().contains("[Dialing]\r\nPrefix=9,\r\nInit=ATZ\r\nPort=/dev/ttyS0\r\nMethod=1\r\nUseTAPI=1\r\n"));
}

TEST_F(SettingsTest, SettingsThatCannotBeSavedAreTold) {
  BlockSettings();
  RecordRecentFile(DataPath("A.DBF"));
  WriteFieldLengths(FieldLengths::Defaults());
  WritePlacement("TAddressMain_Placement", WindowPlacement{1, 2, 3, 4, false});
  WriteGettingStartedSuppressed(true);
  WriteDialingSettings(DialingSettings{});
  ASSERT_EQ(messenger_.said.size(), 5);
  for (const QString& said : messenger_.said) {
    EXPECT_TRUE(said.startsWith("Unable to write " + SettingsFilePath() + ": ")) << said.toStdString();
  }
  SettingsFile settings(SettingsFilePath());
  EXPECT_FALSE(settings.Save());
  EXPECT_FALSE(settings.error().isEmpty());
}

}  // namespace
}  // namespace vellumo
