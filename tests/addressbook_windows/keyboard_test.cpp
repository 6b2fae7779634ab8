// The main window driven from the keyboard alone: the tab order, where the
// focus lands, Enter between fields, the record keys inside field edits and
// button mnemonics against the menu bar's.
#include <QLabel>
#include <QMenuBar>
#include <QTest>

#include "core/adding_preferences.h"
#include "main_window_fixture.h"

namespace vellumo {
namespace {

class KeyboardTest : public MainWindowTest {
 protected:
  // The focus names met pressing `key` `times` times, one space between.
  std::string Walk(Qt::Key key, int times, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QStringList met;
    for (int i = 0; i < times; ++i) {
      Press(key, mods);
      met << FocusName();
    }
    return met.join(QLatin1Char(' ')).toStdString();
  }
  static std::string Names(const QStringList& names) { return names.join(QLatin1Char(' ')).toStdString(); }

  void AddSmithJonesYoung() {
    AddRecord({{"LNAME", "Jones"}});
    AddRecord({{"LNAME", "Smith"}});
    AddRecord({{"LNAME", "Young"}});
    window_->book().First();
    window_->RefreshAll();
  }
};

TEST_F(KeyboardTest, TabFollowsTheFormFromTheNamePanelThroughThePageToTheButtons) {
  StartActiveWindow();
  AddRecord({{"LNAME", "Smith"}});
  window_->field_edit(QStringLiteral("LNAME"))->setFocus();
  const QStringList expected = {
      "FNAME", "MIDDLE", "PREFIX", "TITLE", "ORG", "tabs", "STREET", "STREET2", "CITY", "STATE", "ZIP",
      "COUNTRY", "Date", "PHONE", "PHONE2", "FAX", "EMAIL", "CODES", "USER1", "USER2", "Tagged",
      // Disabled and hidden buttons are passed over.
      "E&xit", "First", "Previous", "Next", "Last", "&Add", "&Edit", "&Delete", "Labels", "Browse", "Search", "Filter",
      "?", "LNAME"};
  EXPECT_EQ(Walk(Qt::Key_Tab, static_cast<int>(expected.size())), Names(expected));
  EXPECT_EQ(Walk(Qt::Key_Backtab, 2, Qt::ShiftModifier), "? Filter");

  // On the memo page the memo and its button follow the tabs.
  window_->notebook()->setCurrentIndex(1);
  window_->field_edit(QStringLiteral("ORG"))->setFocus();
  EXPECT_EQ(Walk(Qt::Key_Tab, 4), "tabs MEMO Search &Memo E&xit");
}

TEST_F(KeyboardTest, FocusLandsOnTheFormWhenARecordIsShownAndWhenEditingBeginsAndEnds) {
  StartActiveWindow();
  EXPECT_EQ(FocusName(), QStringLiteral("LNAME"));  // the database opened at start

  window_->button(QStringLiteral("&Add"))->setFocus();
  window_->button(QStringLiteral("&Add"))->click();
  EXPECT_EQ(FocusName(), QStringLiteral("LNAME"));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Smith"));
  window_->button(QStringLiteral("&Save"))->setFocus();
  window_->button(QStringLiteral("&Save"))->click();
  EXPECT_FALSE(window_->book().editing());
  EXPECT_EQ(FocusName(), QStringLiteral("LNAME"));  // not a hidden button

  window_->button(QStringLiteral("Next"))->setFocus();
  window_->button(QStringLiteral("&Edit"))->click();
  EXPECT_EQ(FocusName(), QStringLiteral("LNAME"));
  window_->button(QStringLiteral("&Cancel"))->setFocus();
  window_->button(QStringLiteral("&Cancel"))->click();
  EXPECT_EQ(FocusName(), QStringLiteral("LNAME"));

  // Saving from the keyboard leaves the focus in the field typed in.
  window_->field_edit(QStringLiteral("CITY"))->setFocus();
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Reno"));
  ASSERT_TRUE(window_->book().editing());
  Press(Qt::Key_Return, Qt::ControlModifier);
  EXPECT_FALSE(window_->book().editing());
  EXPECT_EQ(FocusName(), QStringLiteral("CITY"));
  EXPECT_EQ(window_->book().Field(QStringLiteral("CITY")), QStringLiteral("Reno"));
}

TEST_F(KeyboardTest, EnterMovesToTheNextFieldAndWrapsWhileTheMemoKeepsItAsANewLine) {
  StartActiveWindow();
  window_->button(QStringLiteral("&Add"))->click();
  ASSERT_EQ(FocusName(), QStringLiteral("LNAME"));
  const QStringList expected = {"FNAME", "MIDDLE", "PREFIX", "TITLE", "ORG",   "STREET", "STREET2",
                                "CITY",  "STATE",  "ZIP",    "COUNTRY", "PHONE", "PHONE2", "FAX",
                                "EMAIL", "CODES",  "USER1",  "USER2",   "LNAME"};
  EXPECT_EQ(Walk(Qt::Key_Return, static_cast<int>(expected.size())), Names(expected));
  EXPECT_TRUE(window_->book().editing());  // Enter moves; it does not save

  // From a name field with the memo page up, Enter brings the address page back.
  window_->notebook()->setCurrentIndex(1);
  window_->field_edit(QStringLiteral("ORG"))->setFocus();
  Press(Qt::Key_Return);
  EXPECT_EQ(FocusName(), QStringLiteral("STREET"));
  EXPECT_EQ(window_->notebook()->currentIndex(), 0);

  window_->notebook()->setCurrentIndex(1);
  window_->memo_edit()->setFocus();
  QTest::keyClicks(window_->memo_edit(), QStringLiteral("a"));
  Press(Qt::Key_Return);
  QTest::keyClicks(window_->memo_edit(), QStringLiteral("b"));
  EXPECT_EQ(window_->memo_edit()->toPlainText(), QStringLiteral("a\nb"));
  EXPECT_EQ(FocusName(), QStringLiteral("MEMO"));
}

TEST_F(KeyboardTest, EnterPassesOverTheFieldsTheSkipSettingsTakeOutOfTheTabOrder) {
  AddingPreferences prefs;
  prefs.skip_last_name = true;
  prefs.skip_fax = true;
  ASSERT_TRUE(prefs.Save());
  StartActiveWindow();
  window_->button(QStringLiteral("&Add"))->click();
  window_->field_edit(QStringLiteral("PHONE2"))->setFocus();
  EXPECT_EQ(Walk(Qt::Key_Return, 5), "EMAIL CODES USER1 USER2 FNAME");
}

TEST_F(KeyboardTest, SkippedDateTakesTheDateButtonOutOfTheTabOrderWhileAdding) {
  AddingPreferences prefs;
  prefs.skip_date = true;
  ASSERT_TRUE(prefs.Save());
  StartActiveWindow();
  window_->button(QStringLiteral("&Add"))->click();
  window_->field_edit(QStringLiteral("COUNTRY"))->setFocus();
  EXPECT_EQ(Walk(Qt::Key_Tab, 1), "PHONE");
  window_->button(QStringLiteral("&Cancel"))->click();
  window_->field_edit(QStringLiteral("COUNTRY"))->setFocus();
  EXPECT_EQ(Walk(Qt::Key_Tab, 1), "Date");
}

TEST_F(KeyboardTest, RecordKeysMoveWhileBrowsingEvenFromInsideTheEdits) {
  StartActiveWindow();
  AddSmithJonesYoung();
  window_->field_edit(QStringLiteral("CITY"))->setFocus();
  Press(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Smith"));
  Press(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Young"));
  Press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Smith"));
  Press(Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Jones"));
  EXPECT_FALSE(window_->book().editing());

  window_->notebook()->setCurrentIndex(1);
  window_->memo_edit()->setFocus();
  Press(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Young"));
  Press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Smith"));
  EXPECT_FALSE(window_->book().editing());
}

TEST_F(KeyboardTest, WhileEditingCtrlArrowsStayWithTheEdit) {
  StartActiveWindow();
  AddSmithJonesYoung();
  FieldEdit* city = window_->field_edit(QStringLiteral("CITY"));
  city->setFocus();
  QTest::keyClicks(city, QStringLiteral("Lake Placid"));
  ASSERT_TRUE(window_->book().editing());
  Press(Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(city->cursorPosition(), 5);  // one word back
  Press(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Jones"));
  EXPECT_TRUE(window_->book().editing());
}

TEST_F(KeyboardTest, ButtonMnemonicsWinOverTheMenuBarWhileTheButtonsAreShown) {
  StartActiveWindow();
  window_->button(QStringLiteral("&Add"))->click();
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Smith"));
  Press(Qt::Key_S, Qt::AltModifier);  // "&Save", not the "&Sort" menu
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_FALSE(window_->book().editing());
  EXPECT_EQ(RecordCount(), 1u);

  Press(Qt::Key_E, Qt::AltModifier);  // "&Edit"
  EXPECT_TRUE(window_->book().editing());
  Press(Qt::Key_C, Qt::AltModifier);  // "&Cancel"
  EXPECT_FALSE(window_->book().editing());

  // With "&Save" hidden the letter belongs to the menu bar again.
  Press(Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(QApplication::activePopupWidget(), window_->sort_menu());
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
}

TEST_F(KeyboardTest, NoCaptionMnemonicCollidesWithTheMenuBarOrAButton) {
  StartActiveWindow();
  QList<QKeySequence> taken;
  for (const QAction* menu : window_->menuBar()->actions()) taken << QKeySequence::mnemonic(menu->text());
  for (const QPushButton* b : window_->findChildren<QPushButton*>()) taken << QKeySequence::mnemonic(b->text());
  for (const QLabel* label : window_->findChildren<QLabel*>()) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(label->text());
    if (mnemonic.isEmpty()) continue;
    EXPECT_FALSE(taken.contains(mnemonic)) << label->text().toStdString();
  }
}

}  // namespace
}  // namespace vellumo
