// Adding, saving, deleting and the editing keys, driven through the window.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "addressbook/windows/new_record_dialog.h"
#include "core/adding_preferences.h"
#include "main_window_fixture.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

class EditingTest : public MainWindowTest {};

TEST_F(EditingTest, DuplicateAnsweredNoAddsNothingAndShowsTheFoundRecord) {
  AddingPreferences prefs;
  prefs.auto_dup_check = true;
  ASSERT_TRUE(prefs.Save());
  StartWindow();
  AddRecord({{"LNAME", "Smith"}, {"FNAME", "John"}, {"STREET", "1 Elm St"}});
  AddRecord({{"LNAME", "Adams"}, {"FNAME", "Ann"}});
  ASSERT_EQ(Shown("LNAME"), QStringLiteral("Adams"));
  WhenDialogOpens<NewRecordDialog>([](NewRecordDialog* dialog) {
    dialog->last_edit()->setText(QStringLiteral("smith"));
    dialog->first_edit()->setText(QStringLiteral("john"));
    dialog->accept();
  });
  messenger_.answer = false;
  window_->button(QStringLiteral("&Add"))->click();
  EXPECT_EQ(RecordCount(), 2u);
  EXPECT_FALSE(window_->book().editing());
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Smith"));
  ASSERT_FALSE(messenger_.said.isEmpty());
  EXPECT_TRUE(messenger_.said.last().startsWith(QStringLiteral("Possible duplicate: \r\n\r\nJohn Smith\r\n1 Elm St")));
}

TEST_F(EditingTest, AltEnterWhileAddingSavesAndOffersAnother) {
  StartWindow();
  window_->button(QStringLiteral("&Add"))->click();
  ASSERT_TRUE(window_->book().editing());
  EXPECT_TRUE(window_->button(QStringLiteral("&Save"))->isVisible());
  EXPECT_FALSE(window_->button(QStringLiteral("&Add"))->isVisible());
  QTest::keyClicks(window_->field_edit(QStringLiteral("LNAME")), QStringLiteral("Baker"));
  messenger_.answer = true;  // "Add another record?"
  QTest::keyClick(window_->field_edit(QStringLiteral("LNAME")), Qt::Key_Return, Qt::AltModifier);
  EXPECT_EQ(RecordCount(), 1u);
  EXPECT_TRUE(messenger_.said.contains(QStringLiteral("Add another record?")));
  EXPECT_TRUE(window_->book().editing());  // the next record is being added
  QTest::keyClick(window_->field_edit(QStringLiteral("LNAME")), Qt::Key_Escape);  // "Cancel changes?" Yes
  EXPECT_FALSE(window_->book().editing());
  EXPECT_EQ(RecordCount(), 1u);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Baker"));
}

TEST_F(EditingTest, TypingReplacesUnlessInsertIsOn) {
  StartWindow();
  AddRecord({{"LNAME", "Smith"}});
  FieldEdit* last = window_->field_edit(QStringLiteral("LNAME"));
  last->setFocus();
  last->setCursorPosition(0);
  QTest::keyClick(last, Qt::Key_J);
  EXPECT_EQ(last->text(), QStringLiteral("jmith"));
  EXPECT_TRUE(window_->book().editing());  // typing started an edit
  QTest::keyClick(last, Qt::Key_Insert);
  QTest::keyClick(last, Qt::Key_X);
  QTest::keyClick(last, Qt::Key_Insert);
  EXPECT_EQ(last->text(), QStringLiteral("jxmith"));
  QTest::keyClick(last, Qt::Key_Return);  // Enter moves on; it does not save
  EXPECT_TRUE(window_->book().editing());
  QTest::keyClick(window_->memo_edit(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_FALSE(window_->book().editing());
  EXPECT_EQ(window_->book().Field(QStringLiteral("LNAME")), QStringLiteral("jxmith"));
}

TEST_F(EditingTest, MemoOfEightCharactersIsStoredAsNine) {
  StartWindow();
  AddRecord({{"LNAME", "Memo"}});
  window_->memo_edit()->setPlainText(QStringLiteral("12345678"));
  ASSERT_TRUE(window_->book().editing());
  window_->button(QStringLiteral("&Save"))->click();
  std::string stored;
  ASSERT_TRUE(window_->book().table()->GetMemo("MEMO", &stored).ok());
  EXPECT_EQ(stored, "12345678 ");
}

TEST_F(EditingTest, DeletingTheOnlyFilterMatchDropsTheFilter) {
  StartWindow();
  AddRecord({{"LNAME", "Keep"}});
  AddRecord({{"LNAME", "Gone"}});
  FilterConditions conditions;
  conditions[QStringLiteral("LNAME")] = QStringLiteral("Gone");
  ASSERT_EQ(window_->book().SetFilter(conditions), 1u);
  window_->RefreshAll();
  EXPECT_TRUE(window_->button(QStringLiteral("Clear Filter"))->isVisible());
  EXPECT_EQ(window_->filter_status()->text(), QStringLiteral("1 filter matches"));
  messenger_.answer = true;  // "Delete this record?"
  window_->button(QStringLiteral("&Delete"))->click();
  EXPECT_FALSE(window_->book().filter_set());
  EXPECT_FALSE(window_->button(QStringLiteral("Clear Filter"))->isVisible());
  EXPECT_EQ(window_->filter_status()->text(), QStringLiteral("1 records (no filter)"));
}

TEST_F(EditingTest, SkipPreferencesTakeFieldsOutOfTheTabOrderWhileAdding) {
  AddingPreferences prefs;
  prefs.skip_fax = true;
  prefs.skip_last_name = true;
  ASSERT_TRUE(prefs.Save());
  StartWindow();
  window_->button(QStringLiteral("&Add"))->click();
  EXPECT_EQ(window_->field_edit(QStringLiteral("FAX"))->focusPolicy(), Qt::ClickFocus);
  EXPECT_EQ(window_->field_edit(QStringLiteral("PHONE"))->focusPolicy(), Qt::StrongFocus);
  EXPECT_TRUE(window_->field_edit(QStringLiteral("FNAME"))->hasFocus());
  window_->button(QStringLiteral("&Cancel"))->click();
  EXPECT_EQ(window_->field_edit(QStringLiteral("FAX"))->focusPolicy(), Qt::StrongFocus);
}

TEST_F(EditingTest, TheMiddleInitialIsTypedInUpperCase) {
  StartWindow();
  AddRecord({{"LNAME", "Adams"}});
  FieldEdit* middle = window_->field_edit(QStringLiteral("MIDDLE"));
  middle->setFocus();
  QTest::keyClicks(middle, QStringLiteral("q"));
  EXPECT_EQ(middle->text(), QStringLiteral("Q"));
  ASSERT_TRUE(window_->book().editing()) << "typing started the edit";
  window_->button(QStringLiteral("&Save"))->click();
  EXPECT_EQ(window_->book().table()->GetTrimString("MIDDLE"), "Q");
  EXPECT_EQ(Shown("MIDDLE"), QStringLiteral("Q"));
}

}  // namespace
}  // namespace vellumo
