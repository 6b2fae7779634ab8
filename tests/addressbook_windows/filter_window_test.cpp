// The filter window, filter files through the window, and preferences.
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <tuple>

#include "addressbook/windows/preferences_dialog.h"
#include "addressbook/windows/query_form.h"
#include "core/application_home.h"
#include "main_window_fixture.h"
#include "support/watched_env.h"

namespace vellumo {
namespace {

class FilterWindowTest : public MainWindowTest {
 protected:
  void AddPeople() {
    AddRecord({{"LNAME", "Jones"}, {"PHONE", "555-1000"}, {"PHONE2", "555-2000"}});
    AddRecord({{"LNAME", "Johnson"}, {"PHONE", "555-2000"}});
    AddRecord({{"LNAME", "Adams"}, {"PHONE2", "555-2000"}});
  }

  // The caption shown for an edit: the label that names it as its buddy.
  // The text of the label that names `edit`, without its mnemonic marker:
  // each window picks mnemonics that do not clash with its own menus.
  static QString CaptionOf(const QWidget* window, const QWidget* edit) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
      if (label->buddy() == edit) return QString(label->text()).remove(QLatin1Char('&'));
    }
    return QString();
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

TEST_F(FilterWindowTest, ConditionsThatBuildNoExpressionAreNoFilter) {
  StartWindow();
  AddPeople();
  TAddressQueryForm form(window_->book());
  form.reverse_box()->setChecked(true);
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("No filter set"));
  EXPECT_FALSE(window_->book().filter_set());
  window_->RefreshAll();
  EXPECT_EQ(window_->filter_status()->text(), QStringLiteral("3 records (no filter)"));
  EXPECT_FALSE(window_->button(QStringLiteral("Clear Filter"))->isVisible());

  form.reverse_box()->setChecked(false);
  form.condition_edit(QStringLiteral("CODES"))->setText(QStringLiteral(";;"));  // a list of empty items
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("No filter set"));
  EXPECT_FALSE(window_->book().filter_set());

  form.ClearButtonClick();  // "Tagged" unticked and every edit empty
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("No filter set"));
  EXPECT_FALSE(window_->book().filter_set());
  EXPECT_EQ(window_->book().VisibleRecordCount(), 3u);

  form.condition_edit(QStringLiteral("LNAME"))->setText(QStringLiteral("JO"));
  form.reverse_box()->setChecked(true);
  form.TestButtonClick();
  EXPECT_EQ(form.count_line()->text(), QStringLiteral("1 matches"));  // Adams
  EXPECT_TRUE(window_->book().filter_set());
  form.accept();
}

TEST_F(FilterWindowTest, CancelReturnsToTheRecordShownBeforeTheWindowOpened) {
  StartWindow();
  AddPeople();
  ASSERT_TRUE(window_->book().Search(QStringLiteral("Last Name"), QStringLiteral("JONES")));
  ASSERT_TRUE(window_->book().ToggleTag());
  FilterConditions tagged_only;
  tagged_only.tagged = true;
  ASSERT_EQ(window_->book().SetFilter(tagged_only), 1u);
  window_->RefreshAll();
  ASSERT_EQ(Shown("LNAME"), QStringLiteral("Jones"));

  TAddressQueryForm form(window_->book());
  EXPECT_TRUE(form.tagged_box()->isChecked());
  form.tagged_box()->setChecked(false);
  form.condition_edit(QStringLiteral("LNAME"))->setText(QStringLiteral("A"));
  form.TestButtonClick();
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Adams"));
  form.reject();
  window_->RefreshAll();
  EXPECT_EQ(window_->book().filter_conditions(), tagged_only);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Jones"));

  // Without a test in between, too: the record is not moved to the first.
  FilterConditions none;
  window_->book().SetFilter(none);
  ASSERT_TRUE(window_->book().Search(QStringLiteral("Last Name"), QStringLiteral("JONES")));
  TAddressQueryForm untouched(window_->book());
  untouched.reject();
  window_->RefreshAll();
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Jones"));
}

TEST_F(FilterWindowTest, EditsCarryTheRecordFormsCaptionsAndExplainThemselves) {
  StartWindow();
  TAddressQueryForm form(window_->book());
  const std::pair<const char*, const char*> same_as_form[] = {
      {"LNAME", "LNAME"}, {"FNAME", "FNAME"},     {"TITLE", "TITLE"}, {"ORG", "ORG"},
      {"STREET", "STREET"}, {"STREET2", "STREET2"}, {"CITY+STATE", "CITY"}, {"STATE", "STATE"},
      {"ZIP", "ZIP"},     {"COUNTRY", "COUNTRY"}, {"PHONE", "PHONE"}, {"PHONE2", "PHONE2"},
      {"FAX", "FAX"},     {"EMAIL", "EMAIL"},     {"CODES", "CODES"}, {"USER1", "USER1"},
      {"USER2", "USER2"}};
  for (const auto& [condition, field] : same_as_form) {
    const QString form_caption = CaptionOf(window_.get(), window_->field_edit(QLatin1String(field)));
    ASSERT_FALSE(form_caption.isEmpty()) << field;
    EXPECT_EQ(CaptionOf(&form, form.condition_edit(QLatin1String(condition))), form_caption) << condition;
  }
  // The record form's date is a button, not a label.
  EXPECT_EQ(CaptionOf(&form, form.condition_edit(QStringLiteral("DATE"))), QStringLiteral("Date"));
  EXPECT_EQ(CaptionOf(&form, form.condition_edit(QStringLiteral("STREET"))), QStringLiteral("Address 1"));
  EXPECT_EQ(CaptionOf(&form, form.condition_edit(QStringLiteral("USER2"))), QStringLiteral("Comment 2"));

  for (const char* field : FilterConditions::FieldExpressions()) {
    EXPECT_TRUE(form.condition_edit(QLatin1String(field))->whatsThis().contains(QLatin1Char('$'))) << field;
  }
  EXPECT_TRUE(form.condition_edit(QStringLiteral("DATE"))->whatsThis().contains(QStringLiteral("YYYYMMDD")));
  EXPECT_TRUE(form.condition_edit(QStringLiteral("DATE"))->toolTip().startsWith(
      QStringLiteral("Note: enter dates in the form: YYYYMMDD")));
  form.reject();
}

TEST_F(FilterWindowTest, DateHintShowsOnlyWhileTheDateEditHasTheFocus) {
  StartWindow();
  TAddressQueryForm form(window_->book());
  form.show();
  QApplication::setActiveWindow(&form);
  form.condition_edit(QStringLiteral("LNAME"))->setFocus();
  QApplication::processEvents();
  EXPECT_FALSE(form.date_hint()->isVisible());
  const QRect date_before = form.condition_edit(QStringLiteral("DATE"))->geometry();
  form.condition_edit(QStringLiteral("DATE"))->setFocus();
  QApplication::processEvents();
  EXPECT_TRUE(form.date_hint()->isVisible());
  // Under the date edit, which does not move when the hint appears.
  const QWidget* date = form.condition_edit(QStringLiteral("DATE"));
  EXPECT_EQ(date->geometry(), date_before);
  const QPoint date_at = date->mapTo(&form, QPoint(0, 0));
  const QPoint hint_at = form.date_hint()->mapTo(&form, QPoint(0, 0));
  EXPECT_GE(hint_at.y(), date_at.y() + date->height());
  EXPECT_GE(hint_at.x(), date_at.x());
  EXPECT_LT(hint_at.x(), date_at.x() + date->width());
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

// Tab from `from` through the window until `to`: whether it stopped in `skipped`.
bool TabStopsIn(QWidget* from, QWidget* to, QWidget* skipped) {
  QApplication::setActiveWindow(from->window());
  from->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), from);
  for (int presses = 0; presses < 10 && QApplication::focusWidget() && QApplication::focusWidget() != to;
       ++presses) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (QApplication::focusWidget() == skipped) return true;
  }
  EXPECT_EQ(QApplication::focusWidget(), to);
  return false;
}

TEST_F(FilterWindowTest, PreferencesFromTheDialogRuleTheNextRecord) {
  StartWindow();
  AddRecord({{"LNAME", "First"}});
  WhenDialogOpens<TPreferences>([](TPreferences* preferences) {
    preferences->box(QStringLiteral("Skip through the following fields:"), QStringLiteral("Fax"))->setChecked(true);
    preferences->default_country()->setText(QStringLiteral("Canada"));
    preferences->accept();
  });
  window_->action(QStringLiteral("Pre&ferences"))->trigger();
  EXPECT_TRUE(window_->book().preferences().skip_fax);  // reloaded by the main window
  EXPECT_FALSE(window_->book().preferences().carry_country);

  window_->button(QStringLiteral("&Add"))->click();
  EXPECT_EQ(Shown("COUNTRY"), QStringLiteral("Canada"));
  QWidget* phone2 = window_->field_edit(QStringLiteral("PHONE2"));
  QWidget* fax = window_->field_edit(QStringLiteral("FAX"));
  QWidget* email = window_->field_edit(QStringLiteral("EMAIL"));
  EXPECT_FALSE(TabStopsIn(phone2, email, fax));
  window_->button(QStringLiteral("&Save"))->click();
  ASSERT_FALSE(window_->book().editing());
  EXPECT_TRUE(TabStopsIn(phone2, email, fax));

  // Cancel writes nothing; the main window reloads what is stored.
  WhenDialogOpens<TPreferences>([](TPreferences* preferences) {
    preferences->box(QStringLiteral("Skip through the following fields:"), QStringLiteral("Fax"))->setChecked(false);
    preferences->reject();
  });
  window_->action(QStringLiteral("Pre&ferences"))->trigger();
  EXPECT_TRUE(window_->book().preferences().skip_fax);
}

TEST_F(FilterWindowTest, EveryPreferenceControlStoresItsOwnKey) {
  const QString adding = QStringLiteral(" When adding new records");
  const QString carry = QStringLiteral("Carry forward the following fields:");
  const QString skip = QStringLiteral("Skip through the following fields:");
  const std::tuple<QString, const char*, const char*> boxes[] = {
      {adding, "Enter today's date in the date field", "PlugDate"},
      {adding, "Automatically insert city and state/province", "PlugCityState"},
      {adding, "Automatically check for duplicate names", "AutoDupCheck"},
      {carry, "Organization", "CarryOrg"},       {carry, "Address 1", "CarrySA1"},
      {carry, "Address 2", "CarrySA2"},          {carry, "City", "CarryCity"},
      {carry, "State/Province", "CarryState"},   {carry, "Zip/Postal Code", "CarryZip"},
      {carry, "Country", "CarryCountry"},        {skip, "Organization", "SkipOrganization"},
      {skip, "Phone #1", "SkipPhone1"},          {skip, "E-Mail", "SkipEmail"},
      {skip, "State/Province", "SkipState"},     {skip, "Zip/Postal Code", "SkipZip"},
      {skip, "Country", "SkipCountry"},          {skip, "Address 2", "SkipAddress2"},
      {skip, "Last Name", "SkipLastName"},       {skip, "Middle Initial", "SkipMiddleInitial"},
      {skip, "First Name", "SkipfirstName"},     {skip, "Title", "Skiptitle"},
      {skip, "Phone #2", "SkipPhone2"},          {skip, "Fax", "SkipFax"},
      {skip, "Codes", "SkipCodes"},              {skip, "Prefix", "SkipPrefix"},
      {skip, "Comments #1", "SkipComments1"},    {skip, "Date", "SkipDate"},
      {skip, "Comments #2", "Skipcomments2"}};
  auto adding_section = [] {
    QFile file(SettingsFilePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("[Adding]"));
    const qsizetype end = text.indexOf(QLatin1Char('['), start + 1);
    return text.mid(start, end < 0 ? -1 : end - start);
  };
  {
    TPreferences preferences;
    EXPECT_EQ(preferences.findChildren<QCheckBox*>().size(), 28);
    EXPECT_EQ(preferences.default_country()->maxLength(), 30);
  }
  for (const auto& [group, caption, key] : boxes) {
    TPreferences preferences;
    for (QCheckBox* box : preferences.findChildren<QCheckBox*>()) box->setChecked(false);
    QCheckBox* box = preferences.box(group, QLatin1String(caption));
    ASSERT_NE(box, nullptr) << caption;
    EXPECT_EQ(box->parentWidget()->property("title").toString(), group);
    box->setChecked(true);
    preferences.default_country()->setText(QLatin1String(key));
    preferences.accept();
    const QString section = adding_section();
    EXPECT_TRUE(section.contains(QLatin1String(key) + QStringLiteral("=1"))) << key;
    EXPECT_EQ(section.count(QStringLiteral("=1")), 1) << key;
    EXPECT_TRUE(section.contains(QStringLiteral("DefaultCountry=") + QLatin1String(key))) << key;
    TPreferences reopened;
    EXPECT_TRUE(reopened.box(group, QLatin1String(caption))->isChecked()) << key;
  }
}

TEST_F(FilterWindowTest, ABareOperatorMatchesEveryRecord) {
  StartWindow();
  AddPeople();
  for (const char* bare : {">=", "$"}) {
    TAddressQueryForm form(window_->book());
    form.condition_edit(QStringLiteral("LNAME"))->clear();
    QTest::keyClicks(form.condition_edit(QStringLiteral("LNAME")), QLatin1String(bare));
    form.TestButtonClick();
    EXPECT_EQ(form.count_line()->text(), QStringLiteral("3 matches")) << bare;
    EXPECT_TRUE(window_->book().filter_set()) << bare;
  }
}

TEST_F(FilterWindowTest, AFilterTheFilesCannotServeSaysSo) {
  xbase::WatchedEnv env(xbase::Env::Default());
  window_ = std::make_unique<TAddressMain>();
  window_->book().SetEnv(&env);
  window_->show();
  while (!window_->started()) QApplication::processEvents();
  AddPeople();
  {
    TAddressQueryForm form(window_->book());
    form.condition_edit(QStringLiteral("LNAME"))->setText(QStringLiteral("JO"));
    env.fail_reads = true;
    form.TestButtonClick();
    env.fail_reads = false;
    EXPECT_TRUE(form.count_line()->text().startsWith(QStringLiteral("Filter not applied\r\n")))
        << form.count_line()->text().toStdString();
    EXPECT_TRUE(form.count_line()->text().contains(QStringLiteral("input/output error")));
    window_->RefreshAll();
    EXPECT_EQ(window_->filter_status()->text(), QStringLiteral("Filter not applied"));
    ASSERT_FALSE(messenger_.said.isEmpty());
    EXPECT_TRUE(messenger_.said.first().startsWith(QStringLiteral("Unable to apply the filter\r\n")));
    form.TestButtonClick();
    EXPECT_EQ(form.count_line()->text(), QStringLiteral("2 matches")) << "the conditions were kept";
  }
  window_.reset();  // closes the database before its Env goes
}

}  // namespace
}  // namespace vellumo
