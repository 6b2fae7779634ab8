// Tags, clone, the clipboard text and memo search.
#include "addressbook/record_text.h"
#include "book_fixture.h"
#include "core/application_home.h"
#include "core/settings_file.h"

namespace vellumo {
namespace {

class ToolsTest : public BookTest {
 protected:
  void SetUp() override {
    BookTest::SetUp();
    // An id from long ago, so that clearing tags makes a different one.
    SettingsFile settings(SettingsFilePath());
    settings.WriteString("Misc", "GlobalTagId", "OLDID");
    ASSERT_TRUE(settings.Save());
    StartBook();
  }
  FilterConditions TaggedFilter() {
    FilterConditions conditions;
    conditions.tagged = true;
    return conditions;
  }
};

TEST_F(ToolsTest, ToggleTagAndClearTags) {
  AddRecord({{"LNAME", "Adams"}});
  AddRecord({{"LNAME", "Brown"}});
  ASSERT_TRUE(book_.ToggleTag());
  EXPECT_TRUE(book_.CurrentIsTagged());
  ASSERT_EQ(book_.SetFilter(TaggedFilter()), 1u);
  EXPECT_EQ(Current("LNAME"), "Brown");

  const QString old_id = book_.tag_id();
  book_.ClearTags();
  EXPECT_NE(book_.tag_id(), old_id);
  EXPECT_FALSE(book_.filter_set()) << "a Tagged filter now matches nothing and is dropped";
  EXPECT_EQ(book_.VisibleRecordCount(), 2u);
  ASSERT_TRUE(book_.Search("Last Name", "Brown"));
  EXPECT_FALSE(book_.CurrentIsTagged());
  EXPECT_EQ(QString::fromStdString(book_.table()->GetTrimString("TAG")), old_id);

  ASSERT_TRUE(book_.ToggleTag());
  ASSERT_TRUE(book_.ToggleTag());
  EXPECT_FALSE(book_.CurrentIsTagged());
  EXPECT_EQ(book_.table()->GetTrimString("TAG"), "");
}

TEST_F(ToolsTest, TaggingWhileEditingIsPartOfTheEdit) {
  AddRecord({{"LNAME", "Adams"}});
  ASSERT_TRUE(book_.Edit());
  ASSERT_TRUE(book_.ToggleTag());
  EXPECT_TRUE(book_.CurrentIsTagged());
  book_.Cancel();
  EXPECT_FALSE(book_.CurrentIsTagged()) << "cancelled with the edit";

  ASSERT_EQ(book_.Add({}), AddressBook::AddResult::kAdding);
  ASSERT_TRUE(book_.SetField("LNAME", "Brown"));
  ASSERT_TRUE(book_.ToggleTag());
  ASSERT_TRUE(book_.Save());
  EXPECT_TRUE(book_.CurrentIsTagged());
  ASSERT_TRUE(book_.First());
  EXPECT_FALSE(book_.CurrentIsTagged()) << "the record current while adding keeps its tag";
}

TEST_F(ToolsTest, UntaggingTheOnlyTaggedRecordDropsTheTaggedFilter) {
  AddRecord({{"LNAME", "Adams"}});
  ASSERT_TRUE(book_.ToggleTag());
  ASSERT_EQ(book_.SetFilter(TaggedFilter()), 1u);
  ASSERT_TRUE(book_.ToggleTag());
  EXPECT_FALSE(book_.filter_set());
}

TEST_F(ToolsTest, TagAllTagsTheFilterMatchesAndStopsWhenCancelled) {
  for (const char* name : {"Adams", "Baker", "Brown", "Burns", "Clark"}) AddRecord({{"LNAME", name}});
  FilterConditions conditions;
  conditions["LNAME"] = "B";
  ASSERT_EQ(book_.SetFilter(conditions), 3u);

  messenger_.answer = true;
  ASSERT_TRUE(book_.AskTagAll());
  EXPECT_EQ(messenger_.said.last(), "Tag all records matching filter?");
  QList<int> reported;
  AddressBook::TagAllResult result = book_.TagAllFilterMatches([&](int n) {
    reported << n;
    return false;
  });
  EXPECT_EQ(result.tagged, 1);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.outcome(), "Cancelled before completion");
  EXPECT_EQ(reported, QList<int>{1});
  EXPECT_EQ(Current("LNAME"), "Baker") << "ends on the first record";

  book_.ClearTags();
  ASSERT_EQ(book_.SetFilter(conditions), 3u);
  result = book_.TagAllFilterMatches([](int) { return true; });
  EXPECT_EQ(result.tagged, 3);
  EXPECT_FALSE(result.cancelled);
  EXPECT_EQ(result.outcome(), "Complete");
  EXPECT_EQ(book_.SetFilter(TaggedFilter()), 3u);
}

TEST_F(ToolsTest, CloneCopiesTextsAndMemoButNotTheTag) {
  AddRecord({{"LNAME", "Brown"}, {"FNAME", "John"}, {"DATE", "19970428"}, {"USER2", "late payer"}},
            "first line\nsecond");
  ASSERT_TRUE(book_.ToggleTag());
  const AddressRecord source = book_.CurrentRecord();

  messenger_.answer = false;
  EXPECT_FALSE(book_.Clone());
  EXPECT_EQ(book_.table()->RecCount(), 1u);

  messenger_.answer = true;
  ASSERT_TRUE(book_.Clone());
  EXPECT_EQ(messenger_.said.last(), "Clone completed. Current record is an exact copy");
  EXPECT_EQ(book_.table()->RecCount(), 2u);
  EXPECT_EQ(book_.table()->RecNo(), 2u);
  const AddressRecord clone = book_.CurrentRecord();
  EXPECT_EQ(clone.texts, source.texts);
  EXPECT_EQ(clone.memo, "first line\nsecond");
  EXPECT_FALSE(book_.CurrentIsTagged());
  EXPECT_FALSE(book_.table()->GetLogical("ISDEL"));
}

TEST_F(ToolsTest, ClipboardTextLeavesOutEmptyLines) {
  AddRecord({{"PREFIX", "Mr"}, {"FNAME", "John"}, {"MIDDLE", "Q"}, {"LNAME", "Brown"}, {"ORG", "Acme"},
             {"STREET", "1 Main St"}, {"CITY", "Boston"}, {"STATE", "MA"}, {"ZIP", "02134"}, {"CODES", "XMAS"},
             {"USER2", "late payer"}});
  EXPECT_EQ(book_.RecordText(RecordTextParts{}),
            "Mr John Q. Brown \r\nAcme\r\n1 Main St\r\nBoston  MA 02134\r\nCodes :XMAS\r\nComment 2 :late payer\r\n");

  RecordTextParts phones_only{false, false, true, false, false};
  EXPECT_EQ(book_.RecordText(phones_only), "") << "both phones empty: no phone lines";
  ASSERT_TRUE(book_.SetField("PHONE2", "555-1234"));
  ASSERT_TRUE(book_.Save());
  EXPECT_EQ(book_.RecordText(phones_only), "Phone 2:555-1234\r\n");
  ASSERT_TRUE(book_.SetField("PHONE", "555-0000"));
  ASSERT_TRUE(book_.Save());
  EXPECT_EQ(book_.RecordText(phones_only), "Phone  :555-0000\r\nPhone 2:555-1234\r\n");
}

TEST_F(ToolsTest, MemoSearchIgnoresCaseAndFindNextMovesOn) {
  AddRecord({{"LNAME", "Adams"}}, "Met at the CONFERENCE");
  AddRecord({{"LNAME", "Brown"}}, "nothing here");
  AddRecord({{"LNAME", "Clark"}}, "conference 1997");
  AddRecord({{"LNAME", "Davis"}});
  ASSERT_TRUE(book_.Last());

  ASSERT_TRUE(book_.FindTextInMemo("conference", true));
  EXPECT_EQ(Current("LNAME"), "Adams");
  EXPECT_TRUE(book_.memo_found());
  EXPECT_TRUE(book_.Commands().find_next_visible);
  ASSERT_TRUE(book_.FindNext());
  EXPECT_EQ(Current("LNAME"), "Clark");
  EXPECT_FALSE(book_.FindNext());
  EXPECT_EQ(Current("LNAME"), "Clark") << "no further match: the record stays";
  EXPECT_FALSE(book_.memo_found());
  EXPECT_FALSE(book_.Commands().find_next_visible);

  int looked_at = 0;
  EXPECT_FALSE(book_.FindTextInMemo("absent", true, [&](int n) {
    looked_at = n;
    return n < 2;
  }));
  EXPECT_EQ(looked_at, 2) << "cancelled after the second record";
  EXPECT_EQ(Current("LNAME"), "Clark");
}

}  // namespace
}  // namespace vellumo
