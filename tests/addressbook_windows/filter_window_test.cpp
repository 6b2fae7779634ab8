// The filter window, filter files through the window, and preferences.
#include <QLineEdit>
#include <QTest>

#include "addressbook/windows/preferences_dialog.h"
#include "addressbook/windows/query_form.h"
#include "main_window_fixture.h"

namespace vellumo {
namespace {

class FilterWindowTest : public MainWindowTest {
 protected:
  void AddPeople() {
    AddRecord({{"LNAME", "Jones"}, {"PHONE", "555-1000"}, {"PHONE2", "555-2000"}});
    AddRecord({{"LNAME", "Johnson"}, {"PHONE", "555-2000"}});
    AddRecord({{"LNAME", "Adams"}, {"PHONE2", "555-2000"}});
  }
};

TEST_F(FilterWindowTest, TestCountsMatchesAndShowsTheFirst) {
  StartWindow();
  AddPeople();
  TAddressQueryForm form(window_->book());
  form.condition_edit(QStringLiteral("LNAME"))->setText(QStringLiteral("JO"));
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("2 matches"));
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Johnson"));

  form.condition_edit(QStringLiteral("LNAME"))->setText(QStringLiteral("ZZ"));
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("No filter set"));
  EXPECT_EQ(window_->book().VisibleRecordCount(), 3u);
}

TEST_F(FilterWindowTest, SecondPhoneCountsBySecondPhoneOnly) {
  StartWindow();
  AddPeople();
  TAddressQueryForm form(window_->book());
  form.condition_edit(QStringLiteral("PHONE2"))->setText(QStringLiteral("555-2000"));
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("2 matches"));
  form.condition_edit(QStringLiteral("PHONE2"))->clear();
  form.condition_edit(QStringLiteral("PHONE"))->setText(QStringLiteral("555-2000"));
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("1 matches"));
}

TEST_F(FilterWindowTest, CancelRestoresThePreviousConditionsAndFlags) {
  StartWindow();
  AddPeople();
  FilterConditions before;
  before[QStringLiteral("LNAME")] = QStringLiteral("J");
  before.reverse = true;
  ASSERT_EQ(window_->book().SetFilter(before), 1u);  // Adams
  TAddressQueryForm form(window_->book());
  EXPECT_TRUE(form.reverse_box()->isChecked());
  form.reverse_box()->setChecked(false);
  form.condition_edit(QStringLiteral("LNAME"))->setText(QStringLiteral("Jones"));
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("1 matches"));
  form.reject();
  EXPECT_EQ(window_->book().filter_conditions(), before);
  EXPECT_EQ(window_->book().VisibleRecordCount(), 1u);
}

TEST_F(FilterWindowTest, DateHintShowsOnlyWhileTheDateEditHasTheFocus) {
  StartWindow();
  TAddressQueryForm form(window_->book());
  form.show();
  QApplication::setActiveWindow(&form);
  form.condition_edit(QStringLiteral("LNAME"))->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(form.date_hint()->isVisible());
  form.condition_edit(QStringLiteral("DATE"))->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(form.date_hint()->isVisible());
  form.condition_edit(QStringLiteral("CODES"))->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(form.date_hint()->isVisible());
  form.reject();
}

TEST_F(FilterWindowTest, FilterFilesSaveUnderFltAndRestoreThroughTheWindow) {
  StartWindow();
  AddPeople();
  FilterConditions jo;
  jo[QStringLiteral("LNAME")] = QStringLiteral("Jo");
  window_->book().SetFilter(jo);
  window_->RefreshAll();
  const QString names = dir_.filePath(QStringLiteral("names"));
  EXPECT_FALSE(window_->SaveFilterAs(names + QStringLiteral(".txt")));
  EXPECT_EQ(messenger_.said.last(), QStringLiteral("Must have a .FLT extension"));
  ASSERT_TRUE(window_->SaveFilterAs(names));
  EXPECT_TRUE(QFileInfo::exists(names + QStringLiteral(".FLT")));
  messenger_.answer = false;  // "… already exists. Do you want to overwrite it?"
  EXPECT_FALSE(window_->SaveFilterAs(names));
  EXPECT_EQ(messenger_.said.last(), names + QStringLiteral(".FLT already exists.\r\nDo you want to overwrite it?"));

  window_->button(QStringLiteral("Clear Filter"))->click();
  EXPECT_FALSE(window_->book().filter_set());
  EXPECT_FALSE(window_->RestoreFilterFromFile(names + QStringLiteral(".txt")));
  EXPECT_EQ(messenger_.said.last(), QStringLiteral("Must be a Filter (.FLT) file"));
  ASSERT_TRUE(window_->RestoreFilterFromFile(names + QStringLiteral(".FLT")));
  EXPECT_EQ(window_->filter_status()->text(), QStringLiteral("2 filter matches"));
}

TEST_F(FilterWindowTest, PreferencesAreStoredAndUsedForTheNextRecord) {
  StartWindow();
  AddRecord({{"LNAME", "First"}});
  {
    TPreferences preferences;
    preferences.box(QStringLiteral("Skip through the following fields:"), QStringLiteral("Fax"))->setChecked(true);
    preferences.default_country()->setText(QStringLiteral("Canada"));
    preferences.accept();
  }
  window_->book().LoadPreferences();
  const AddingPreferences stored = AddingPreferences::Load();
  EXPECT_TRUE(stored.skip_fax);
  EXPECT_FALSE(stored.carry_country);
  window_->button(QStringLiteral("&Add"))->click();
  EXPECT_EQ(Shown("COUNTRY"), QStringLiteral("Canada"));
  EXPECT_EQ(window_->field_edit(QStringLiteral("FAX"))->focusPolicy(), Qt::ClickFocus);
}

}  // namespace
}  // namespace vellumo
