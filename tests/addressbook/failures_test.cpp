// Failures of the files under the book reach the user, with the engine's
// reason, instead of passing for an empty record, a finished job or a
// filter that matched nothing.
#include <QFile>

#include "book_fixture.h"
#include "core/application_home.h"
#include "support/watched_env.h"

namespace vellumo {
namespace {

class FailuresTest : public BookTest {
 protected:
  // The book works over the real files, through an Env that fails on
  // request.
  void SetUp() override {
    BookTest::SetUp();
    book_.SetEnv(&env_);
    StartBook();
  }
  void AddTwoPeople() {
    AddRecord({{"LNAME", "Adams"}});
    AddRecord({{"LNAME", "Brown"}});
  }
  // The book's files go before the Env they were opened through.
  void TearDown() override {
    book_.Close();
    BookTest::TearDown();
  }

  xbase::WatchedEnv env_{xbase::Env::Default()};
};

TEST_F(FailuresTest, AFileThatIsNotATableIsToldWithTheEnginesReason) {
  QFile file(DataPath("NOTES.DBF"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray("Groceries: milk, bread, eggs and a great deal more text than a header needs.\n").repeated(8));
  file.close();

  EXPECT_FALSE(book_.Open(DataPath("NOTES.DBF")));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.WithoutReasons()[0], "Unable to open " + DataPath("NOTES.DBF") +
                                                "\r\n\r\n * May not be a Vellumo file.\r\n * May be in use by "
                                                "another program or user");
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("0x47")) << messenger_.said[0].toStdString();
}

TEST_F(FailuresTest, ARecordThatCannotBeReadIsToldNotShownEmpty) {
  AddRecord({{"LNAME", "Adams"}}, "owes us letters");
  env_.fail_reads = true;
  const AddressRecord shown = book_.CurrentRecord();
  env_.fail_reads = false;
  ASSERT_EQ(messenger_.said.size(), 1) << "the memo could not be read";
  EXPECT_EQ(messenger_.WithoutReasons()[0], "Unable to read record 1");
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("input/output error")) << messenger_.said[0].toStdString();
  EXPECT_EQ(shown.Get("LNAME"), "Adams") << "what could be read is still shown";
  messenger_.said.clear();
  EXPECT_EQ(book_.CurrentRecord().memo, "owes us letters");
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(FailuresTest, TagAllStoppedByAReadErrorDoesNotSayComplete) {
  AddTwoPeople();
  env_.fail_reads = true;
  const AddressBook::TagAllResult result = book_.TagAllFilterMatches(nullptr);
  env_.fail_reads = false;
  EXPECT_FALSE(result.failure.isEmpty());
  EXPECT_TRUE(result.outcome().startsWith("Stopped before completion\r\n")) << result.outcome().toStdString();
  EXPECT_NE(result.outcome(), "Complete");
}

TEST_F(FailuresTest, TagAllStoppedByAWriteErrorSaysWhy) {
  AddTwoPeople();
  env_.fail_writes = true;
  const AddressBook::TagAllResult result = book_.TagAllFilterMatches(nullptr);
  env_.fail_writes = false;
  EXPECT_EQ(result.tagged, 0);
  EXPECT_EQ(result.outcome(), "Stopped before completion\r\n" + result.failure);
  EXPECT_TRUE(result.failure.contains("disk full")) << result.failure.toStdString();
}

TEST_F(FailuresTest, AFilterThatCannotBeAppliedSaysSoAndKeepsItsConditions) {
  AddTwoPeople();
  FilterConditions conditions;
  conditions["LNAME"] = "Br";
  env_.fail_reads = true;
  EXPECT_EQ(book_.SetFilter(conditions), 0u);
  env_.fail_reads = false;
  EXPECT_TRUE(book_.filter_failed());
  EXPECT_FALSE(book_.filter_set()) << "no user filter is in force";
  EXPECT_EQ(book_.filter_conditions(), conditions) << "the conditions are not thrown away";
  EXPECT_EQ(book_.FilterStatus(), "Filter not applied") << "not \"no filter\", not \"No records\"";
  ASSERT_FALSE(messenger_.said.isEmpty());
  EXPECT_EQ(messenger_.WithoutReasons()[0], "Unable to apply the filter");
  EXPECT_TRUE(messenger_.said[0].contains("input/output error")) << messenger_.said[0].toStdString();
  EXPECT_EQ(QString::fromStdString(book_.table()->filter()), "!ISDEL");

  messenger_.said.clear();
  EXPECT_EQ(book_.SetFilter(conditions), 1u) << "once the files read again, the same conditions work";
  EXPECT_FALSE(book_.filter_failed());
  EXPECT_EQ(book_.FilterStatus(), "1 filter matches");
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(FailuresTest, ClearTagsThatCannotBeSavedIsToldAndKeepsTheOldId) {
  AddRecord({{"LNAME", "Adams"}});
  ASSERT_TRUE(book_.ToggleTag());
  const QString id = book_.tag_id();
  const QByteArray settings = BlockSettings();

  EXPECT_FALSE(book_.ClearTags());
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.WithoutReasons()[0], "Unable to clear the tags");
  EXPECT_TRUE(messenger_.ReasonOf(0).startsWith("Unable to write " + SettingsFilePath()));
  EXPECT_EQ(book_.tag_id(), id);
  EXPECT_TRUE(book_.CurrentIsTagged()) << "this run shows what the next start will show";

  UnblockSettings(settings);
  book_.Close();
  AddressBook restarted;
  ASSERT_TRUE(restarted.Start());
  EXPECT_EQ(restarted.tag_id(), id);
  EXPECT_TRUE(restarted.CurrentIsTagged());
}

TEST_F(FailuresTest, ATagIdThatCannotBeStoredAtStartIsTold) {
  book_.Close();
  QFile::remove(SettingsFilePath());
  const QByteArray settings = BlockSettings();
  AddressBook book;
  book.LoadPreferences();
  UnblockSettings(settings);
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.WithoutReasons()[0], "Unable to save the tag id");
  EXPECT_FALSE(book.tag_id().isEmpty());
}

TEST_F(FailuresTest, AMemoSearchThatCannotReadIsToldNotNotFound) {
  AddRecord({{"LNAME", "Adams"}}, "first memo");
  AddRecord({{"LNAME", "Brown"}}, "needle in here");
  env_.fail_reads = true;
  EXPECT_FALSE(book_.FindTextInMemo("needle", true));
  env_.fail_reads = false;
  ASSERT_FALSE(messenger_.said.isEmpty());
  EXPECT_TRUE(messenger_.said[0].contains("input/output error")) << messenger_.said[0].toStdString();
}

}  // namespace
}  // namespace vellumo
