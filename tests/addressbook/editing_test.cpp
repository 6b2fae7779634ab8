// Browsing, editing, adding and deleting records.
#include "book_fixture.h"
#include "core/text_codec.h"

namespace vellumo {
namespace {

class EditingTest : public BookTest {
 protected:
  void SetUp() override {
    BookTest::SetUp();
    StartBook();
  }

  void SetPreferences(const AddingPreferences& prefs) {
    ASSERT_TRUE(prefs.Save());
    book_.LoadPreferences();
  }
};

TEST_F(EditingTest, AddSaveAndCancel) {
  ASSERT_EQ(book_.Add({}), AddressBook::AddResult::kAdding);
  EXPECT_EQ(book_.mode(), AddressBook::Mode::kInsert);
  CommandState commands = book_.Commands();
  EXPECT_TRUE(commands.save_cancel_visible);
  EXPECT_FALSE(commands.add_edit_delete_exit_visible);
  EXPECT_FALSE(commands.file_menu);
  EXPECT_FALSE(commands.add);
  ASSERT_TRUE(book_.SetField("LNAME", "Brown"));
  book_.Cancel();
  EXPECT_EQ(book_.table()->RecCount(), 0u) << "a cancelled record is never written";
  EXPECT_EQ(book_.mode(), AddressBook::Mode::kBrowse);

  AddRecord({{"LNAME", "Brown"}, {"FNAME", "John"}});
  EXPECT_EQ(book_.table()->RecCount(), 1u);
  EXPECT_EQ(Current("LNAME"), "Brown");
  EXPECT_FALSE(book_.table()->GetLogical("ISDEL"));
  EXPECT_EQ(book_.FilterStatus(), "1 records (no filter)");

  ASSERT_TRUE(book_.SetField("FNAME", "Jack"));
  EXPECT_EQ(book_.mode(), AddressBook::Mode::kEdit) << "changing a field starts editing";
  book_.Cancel();
  EXPECT_EQ(Current("FNAME"), "John");
  ASSERT_TRUE(book_.Edit());
  ASSERT_TRUE(book_.SetField("FNAME", "Jack"));
  ASSERT_TRUE(book_.Save());
  EXPECT_EQ(Current("FNAME"), "Jack");
  EXPECT_EQ(book_.table()->RecCount(), 1u);
  EXPECT_FALSE(book_.SetField("NOSUCH", "x"));
}

TEST_F(EditingTest, EditingKeysAskBeforeSavingOrCancelling) {
  EXPECT_FALSE(book_.AskCancelChanges()) << "nothing asked while browsing";
  EXPECT_TRUE(messenger_.said.isEmpty());

  ASSERT_EQ(book_.Add({}), AddressBook::AddResult::kAdding);
  ASSERT_TRUE(book_.SetField("LNAME", "Adams"));
  messenger_.answer = true;
  EXPECT_TRUE(book_.SaveAndAskAddAnother());
  EXPECT_EQ(messenger_.said, QStringList{"Add another record?"});
  EXPECT_EQ(book_.table()->RecCount(), 1u);

  ASSERT_TRUE(book_.SetField("LNAME", "Baker"));
  messenger_.answer = false;
  EXPECT_FALSE(book_.AskSaveChanges());
  EXPECT_TRUE(book_.editing());
  EXPECT_FALSE(book_.AskCancelChanges());
  EXPECT_EQ(messenger_.said.mid(1), (QStringList{"Save changes?", "Cancel changes?"}));
  messenger_.answer = true;
  EXPECT_TRUE(book_.AskCancelChanges());
  EXPECT_EQ(Current("LNAME"), "Adams");
}

TEST_F(EditingTest, DuplicateNameAnsweredNoAddsNothingAndShowsTheDuplicate) {
  AddingPreferences prefs;
  prefs.auto_dup_check = true;
  SetPreferences(prefs);
  AddRecord({{"LNAME", "Brown"}, {"FNAME", "John"}, {"STREET", "1 Main St"}, {"CITY", "Boston"},
             {"STATE", "MA"}, {"ZIP", "02134"}});
  AddRecord({{"LNAME", "Adams"}, {"FNAME", "Ann"}});
  ASSERT_EQ(Current("LNAME"), "Adams");
  int beeps = 0;
  book_.SetBeeper([&] { ++beeps; });

  messenger_.answer = false;
  EXPECT_EQ(book_.Add({"brown", "john", ""}), AddressBook::AddResult::kDuplicateDeclined);
  EXPECT_EQ(book_.table()->RecCount(), 2u);
  EXPECT_EQ(book_.mode(), AddressBook::Mode::kBrowse);
  EXPECT_EQ(Current("LNAME"), "Brown") << "the possible duplicate is current";
  EXPECT_EQ(beeps, 1);
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.said[0],
            "Possible duplicate: \r\n\r\nJohn Brown\r\n1 Main St\r\nBoston,MA 02134\r\n\r\nContinue adding?");
  EXPECT_EQ(book_.order_tag(), "LNAME");

  // Yes goes on adding, from the record that was current.
  book_.Last();
  messenger_.answer = true;
  EXPECT_EQ(book_.Add({"Brown", "John", ""}), AddressBook::AddResult::kAdding);
  book_.Cancel();
  EXPECT_EQ(Current("LNAME"), "Brown");

  // A different first name is no duplicate, and no question.
  messenger_.said.clear();
  EXPECT_EQ(book_.Add({"Brown", "Jo", ""}), AddressBook::AddResult::kAdding);
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(EditingTest, CityAndStateAreFoundByZipInAnyCase) {
  AddRecord({{"LNAME", "Hall"}, {"CITY", "Toronto"}, {"STATE", "ON"}, {"ZIP", "M5V 2T6"}});
  AddRecord({{"LNAME", "Ives"}, {"CITY", "Reno"}, {"STATE", "NV"}, {"ZIP", "89501"}});
  AddingPreferences prefs;
  prefs.plug_city_state = true;
  prefs.carry_city = prefs.carry_state = true;
  SetPreferences(prefs);

  ASSERT_EQ(book_.Add({"", "", "m5v 2t6"}), AddressBook::AddResult::kAdding);
  EXPECT_EQ(Current("CITY"), "Toronto");
  EXPECT_EQ(Current("STATE"), "ON");
  EXPECT_EQ(Current("ZIP"), "m5v 2t6");
  EXPECT_EQ(book_.FocusFieldForNewRecord(), "LNAME");
  book_.Cancel();
  EXPECT_EQ(Current("LNAME"), "Ives") << "the look-up puts the record back";

  ASSERT_EQ(book_.Add({"", "", "00000"}), AddressBook::AddResult::kAdding);
  EXPECT_EQ(Current("CITY"), "Reno") << "nothing found: carried from the record before";
}

TEST_F(EditingTest, AMemoOfFourCharactersTimesNIsStoredOneLonger) {
  AddRecord({{"LNAME", "Brown"}}, "abcdefgh");
  std::string stored;
  ASSERT_TRUE(book_.table()->GetMemo("MEMO", &stored).ok());
  EXPECT_EQ(stored, "abcdefgh ");

  ASSERT_TRUE(book_.SetMemo("ab\ncd"));  // 6 characters with a CR LF break
  ASSERT_TRUE(book_.Save());
  ASSERT_TRUE(book_.table()->GetMemo("MEMO", &stored).ok());
  EXPECT_EQ(stored, "ab\r\ncd");
  EXPECT_EQ(book_.CurrentRecord().memo, "ab\ncd");

  ASSERT_TRUE(book_.SetMemo("abcdefg"));
  ASSERT_TRUE(book_.Save());
  ASSERT_TRUE(book_.table()->GetMemo("MEMO", &stored).ok());
  EXPECT_EQ(stored, "abcdefg");
}

TEST_F(EditingTest, DeletingTheOnlyFilterMatchDropsTheFilter) {
  AddRecord({{"LNAME", "Adams"}});
  AddRecord({{"LNAME", "Brown"}});
  AddRecord({{"LNAME", "Clark"}});
  FilterConditions conditions;
  conditions["LNAME"] = "Brown";
  ASSERT_EQ(book_.SetFilter(conditions), 1u);
  EXPECT_EQ(book_.FilterStatus(), "1 filter matches");
  EXPECT_TRUE(book_.Commands().clear_filter_visible);

  messenger_.answer = true;
  ASSERT_TRUE(book_.Delete());
  EXPECT_EQ(messenger_.said.last(), "Delete this record?");
  EXPECT_FALSE(book_.filter_set());
  EXPECT_EQ(book_.FilterStatus(), "2 records (no filter)");
  EXPECT_TRUE(book_.has_record());
  EXPECT_FALSE(book_.Commands().clear_filter_visible);

  book_.table()->SetDeleted(false);
  ASSERT_TRUE(book_.table()->Go(2).ok());
  EXPECT_TRUE(book_.table()->Deleted());
  EXPECT_TRUE(book_.table()->GetLogical("ISDEL"));
  book_.table()->SetDeleted(true);
}

TEST_F(EditingTest, DeleteMovesToThePreviousRecordAndNoChangesNothing) {
  AddRecord({{"LNAME", "Adams"}});
  AddRecord({{"LNAME", "Brown"}});
  AddRecord({{"LNAME", "Clark"}});
  ASSERT_TRUE(book_.Last());
  messenger_.answer = false;
  EXPECT_FALSE(book_.Delete());
  EXPECT_EQ(book_.VisibleRecordCount(), 3u);
  messenger_.answer = true;
  ASSERT_TRUE(book_.Delete());
  EXPECT_EQ(Current("LNAME"), "Brown");
  ASSERT_TRUE(book_.First());
  ASSERT_TRUE(book_.Delete());
  EXPECT_EQ(Current("LNAME"), "Brown") << "deleting the first record shows the new first";
  EXPECT_EQ(book_.VisibleRecordCount(), 1u);
}

TEST_F(EditingTest, NavigationReportsTheEnds) {
  EXPECT_FALSE(book_.First());
  EXPECT_FALSE(book_.Next());
  AddRecord({{"LNAME", "Brown"}});
  AddRecord({{"LNAME", "Adams"}});
  AddRecord({{"LNAME", "Clark"}});
  ASSERT_TRUE(book_.First());
  EXPECT_EQ(Current("LNAME"), "Adams");
  EXPECT_FALSE(book_.Previous());
  EXPECT_EQ(Current("LNAME"), "Adams");
  EXPECT_TRUE(book_.Next());
  EXPECT_EQ(Current("LNAME"), "Brown");
  ASSERT_TRUE(book_.Last());
  EXPECT_EQ(Current("LNAME"), "Clark");
  EXPECT_FALSE(book_.Next());
  EXPECT_EQ(Current("LNAME"), "Clark") << "stays on the last record";
  EXPECT_TRUE(book_.Commands().navigation);
}

TEST_F(EditingTest, CommandsFollowTheState) {
  BookState state;
  CommandState closed = CommandsFor(state);
  EXPECT_TRUE(closed.file_menu);
  EXPECT_FALSE(closed.add);
  EXPECT_FALSE(closed.edit_menu);

  state.open = true;
  CommandState empty = CommandsFor(state);
  EXPECT_TRUE(empty.add);
  EXPECT_TRUE(empty.rebuild_indexes);
  EXPECT_FALSE(empty.search);
  EXPECT_FALSE(empty.filter);

  state.records = true;
  state.memo_found = true;
  CommandState browse = CommandsFor(state);
  EXPECT_TRUE(browse.edit && browse.delete_record && browse.clone && browse.labels && browse.filter);
  EXPECT_TRUE(browse.search_memo_visible && browse.find_next_visible);
  EXPECT_FALSE(browse.clear_filter_visible);

  state.filter_set = true;
  state.editing = true;
  CommandState editing = CommandsFor(state);
  EXPECT_TRUE(editing.save_cancel_visible);
  EXPECT_FALSE(editing.find_next_visible);
  EXPECT_FALSE(editing.edit || editing.search || editing.add || editing.record_menu);
  EXPECT_TRUE(editing.clear_filter_visible);
  EXPECT_FALSE(editing.clear_filter_enabled);
  EXPECT_TRUE(editing.filter) << "a set filter keeps the filter command";
  EXPECT_FALSE(editing.file_menu);

  EXPECT_EQ(FilterStatusText(false, false, 5), "");
  EXPECT_EQ(FilterStatusText(true, true, 3), "3 filter matches");
  EXPECT_EQ(FilterStatusText(true, false, 0), "No records");
}

TEST_F(EditingTest, TheMiddleInitialIsStoredInUpperCase) {
  AddRecord({{"LNAME", "Adams"}, {"MIDDLE", "q"}});
  EXPECT_EQ(Current("MIDDLE"), "Q");
  EXPECT_EQ(book_.table()->GetTrimString("MIDDLE"), "Q");
  ASSERT_TRUE(book_.SetField("MIDDLE", "r"));
  EXPECT_EQ(Current("MIDDLE"), "R") << "the form shows it as it will be stored";
  ASSERT_TRUE(book_.Save());
  EXPECT_EQ(book_.table()->GetTrimString("MIDDLE"), "R");
  EXPECT_TRUE(book_.RecordText({}).startsWith("R. Adams")) << "the clipboard text takes the stored initial";
}

}  // namespace
}  // namespace vellumo
