// Start-up, opening, the recent-file list, the index check and new
// databases.
#include <QFile>
#include <QFileInfo>

#include "addressbook/database_names.h"
#include "book_fixture.h"
#include "core/address_database.h"
#include "core/recent_files.h"

namespace vellumo {
namespace {

class LifecycleTest : public BookTest {};

TEST_F(LifecycleTest, StartInAnEmptyHomeCreatesAndOpensTheFirstDatabase) {
  ASSERT_TRUE(book_.Start());
  EXPECT_TRUE(QFileInfo::exists(DataPath("add0001.DBF")));
  EXPECT_TRUE(book_.is_open());
  EXPECT_EQ(book_.path(), DataPath("add0001.DBF"));
  EXPECT_EQ(book_.caption(), "Vellumo - " + DataPath("add0001.DBF"));
  EXPECT_EQ(book_.table()->TagCount(), 26u);
  EXPECT_TRUE(IsValidAddressIndex(*book_.table()));
  EXPECT_EQ(book_.order_tag(), "LNAME");
  EXPECT_EQ(book_.sort_status(), "Sorted by Last Name");
  EXPECT_EQ(book_.FilterStatus(), "No records");
  EXPECT_FALSE(book_.tag_id().isEmpty());
  EXPECT_EQ(ReadRecentFiles(), QStringList{DataPath("add0001.DBF")});
  EXPECT_TRUE(messenger_.said.isEmpty());

  CommandState commands = book_.Commands();
  EXPECT_TRUE(commands.add);
  EXPECT_FALSE(commands.edit) << "no record to edit";
  EXPECT_FALSE(commands.filter);
}

TEST_F(LifecycleTest, StartOpensTheFirstRecentFile) {
  ASSERT_TRUE(CreateAddressDatabase(DataPath("OTHER.DBF"), FieldLengths::Defaults()));
  RecordRecentFile(DataPath("OTHER.DBF"));
  ASSERT_TRUE(book_.Start());
  EXPECT_EQ(book_.path(), DataPath("OTHER.DBF"));
  EXPECT_FALSE(QFileInfo::exists(DataPath("add0001.DBF")));
}

TEST_F(LifecycleTest, MissingRecentFileLeavesNoDatabaseAndTheListAlone) {
  RecordRecentFile(DataPath("GONE.DBF"));
  EXPECT_FALSE(book_.Start());
  EXPECT_FALSE(book_.is_open());
  EXPECT_TRUE(book_.path().isEmpty());
  ASSERT_EQ(messenger_.said.size(), 2);
  EXPECT_EQ(messenger_.said[0], "File " + DataPath("GONE.DBF") + " not found");
  EXPECT_EQ(messenger_.said[1], "Unable to open " + DataPath("GONE.DBF") +
                                    "\r\n\r\n * May not be a Vellumo file.\r\n * May be in use by another "
                                    "program or user\r\nFile " + DataPath("GONE.DBF") + " not found");
  EXPECT_EQ(ReadRecentFiles(), QStringList{DataPath("GONE.DBF")});
  CommandState commands = book_.Commands();
  EXPECT_FALSE(commands.add);
  EXPECT_FALSE(commands.edit_menu);
  EXPECT_TRUE(commands.file_menu);
  EXPECT_TRUE(book_.FilterStatus().isEmpty());
}

TEST_F(LifecycleTest, ATableWithoutTheAddressFieldsIsNotOpened) {
  ASSERT_TRUE(xbase::Table::Create(DataPath("OTHER.DBF").toStdString(), {{"NAME", 'C', 20}}).ok());
  EXPECT_FALSE(book_.Open(DataPath("OTHER.DBF")));
  EXPECT_FALSE(book_.is_open());
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said[0].startsWith("Unable to open " + DataPath("OTHER.DBF")));
  EXPECT_TRUE(ReadRecentFiles().isEmpty());
}

TEST_F(LifecycleTest, RecentFilesKeepEachPathOnceAndAtMostFour) {
  QStringList paths;
  for (const char* name : {"A", "B", "C", "D", "E"}) {
    paths << DataPath(QString(name) + ".DBF");
    ASSERT_TRUE(CreateAddressDatabase(paths.last(), FieldLengths::Defaults()));
  }
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(book_.Open(paths[i]));
  ASSERT_TRUE(book_.Open(paths[1]));
  EXPECT_EQ(ReadRecentFiles(), (QStringList{paths[1], paths[3], paths[2], paths[0]}));
  ASSERT_TRUE(book_.Open(paths[4]));
  EXPECT_EQ(ReadRecentFiles(), (QStringList{paths[4], paths[1], paths[3], paths[2]}));
}

TEST_F(LifecycleTest, RecentFileThatFailsReopensThePreviousDatabase) {
  StartBook();
  EXPECT_FALSE(book_.OpenRecentFile(DataPath("GONE.DBF")));
  EXPECT_TRUE(book_.is_open());
  EXPECT_EQ(book_.path(), DataPath("add0001.DBF"));
}

TEST_F(LifecycleTest, OnlyDbfFilesAreOpenedFromTheOpenCommand) {
  StartBook();
  EXPECT_FALSE(book_.OpenChosenFile(DataPath("notes.txt")));
  EXPECT_EQ(messenger_.said, QStringList{"Must be a DBF file"});
  EXPECT_EQ(book_.path(), DataPath("add0001.DBF")) << "the open database stays open";
  EXPECT_TRUE(book_.OpenChosenFile(DataPath("add0001.DBF")));
}

TEST_F(LifecycleTest, MissingIndexOffersARebuild) {
  ASSERT_TRUE(CreateAddressDatabase(DataPath("X.DBF"), FieldLengths::Defaults()));
  ASSERT_TRUE(QFile::remove(DataPath("X.CDX")));

  messenger_.answer = false;
  EXPECT_FALSE(book_.Open(DataPath("X.DBF")));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.said[0], "The index file for " + DataPath("X.DBF") + "\r\nis missing or invalid. Rebuild now?");
  EXPECT_FALSE(book_.is_open());
  EXPECT_TRUE(book_.order_tag().isEmpty());

  messenger_.answer = true;
  EXPECT_TRUE(book_.Open(DataPath("X.DBF")));
  EXPECT_TRUE(IsValidAddressIndex(*book_.table()));

  int rebuilds = 0;
  book_.SetRebuilder([&](xbase::Table&) { return ++rebuilds > 0; });
  book_.Close();
  ASSERT_TRUE(QFile::remove(DataPath("X.CDX")));
  EXPECT_FALSE(book_.Open(DataPath("X.DBF"))) << "a rebuild that leaves the tags missing does not open";
  EXPECT_EQ(rebuilds, 1);
  EXPECT_FALSE(book_.is_open());
}

TEST_F(LifecycleTest, NewDatabaseNamesAreProposedAndChecked) {
  EXPECT_EQ(ProposeNewDatabaseName(), "ADD0001");
  StartBook();
  EXPECT_EQ(ProposeNewDatabaseName(), "ADD0002") << "add0001.DBF takes ADD0001";
  ASSERT_TRUE(book_.CreateNew("ADD0002", FieldLengths::Defaults()));
  EXPECT_EQ(book_.path(), DataPath("ADD0002.DBF"));
  EXPECT_EQ(ProposeNewDatabaseName(), "ADD0003");

  EXPECT_FALSE(book_.CreateNew("ADD0002", FieldLengths::Defaults()));
  EXPECT_EQ(messenger_.said.last(), "That file already exists.Please select another name");

  EXPECT_TRUE(IsValidDatabaseName("_Club7"));
  EXPECT_TRUE(IsValidDatabaseName("ABCDEFGH"));
  EXPECT_FALSE(IsValidDatabaseName("ABCDEFGHI"));
  EXPECT_FALSE(IsValidDatabaseName("7up"));
  EXPECT_FALSE(IsValidDatabaseName("my-list"));
  EXPECT_FALSE(IsValidDatabaseName(""));
}

TEST_F(LifecycleTest, TheCaptionNamesOnlyAnOpenDatabase) {
  EXPECT_EQ(book_.caption(), "Vellumo");
  StartBook();
  EXPECT_EQ(book_.caption(), "Vellumo - " + DataPath("add0001.DBF"));
  EXPECT_FALSE(book_.Open(DataPath("GONE.DBF")));
  EXPECT_EQ(book_.caption(), "Vellumo") << "not the file that failed, over an empty window";
  EXPECT_FALSE(book_.OpenRecentFile(DataPath("GONE.DBF")));
  EXPECT_EQ(book_.caption(), "Vellumo");
  ASSERT_TRUE(book_.Open(DataPath("add0001.DBF")));
  EXPECT_FALSE(book_.OpenRecentFile(DataPath("GONE.DBF")));
  EXPECT_EQ(book_.caption(), "Vellumo - " + DataPath("add0001.DBF")) << "the previous database is open again";
}

}  // namespace
}  // namespace vellumo
