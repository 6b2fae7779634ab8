// Sort orders and search, tags, clone and the clipboard, driven through the
// window.
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "addressbook/windows/record_tool_windows.h"
#include "addressbook/windows/search_box.h"
#include "main_window_fixture.h"

namespace vellumo {
namespace {

class ToolsTest : public MainWindowTest {
 protected:
  void AddPeople() {
    AddRecord({{"LNAME", "Adams"}, {"FNAME", "Ann"}, {"CITY", "Boston"}, {"ZIP", "02101"}, {"PHONE", "555-0100"}});
    AddRecord({{"LNAME", "jones"}, {"FNAME", "Joe"}, {"CITY", "Austin"}, {"ZIP", "73301"}});
    AddRecord({{"LNAME", "Johnson"}, {"FNAME", "Jim"}, {"CITY", "Denver"}, {"ZIP", "80201"}});
  }

  void Search(const QString& order, const QString& text) {
    WhenDialogOpens<TSearchBox>([order, text](TSearchBox* box) {
      box->order_list()->setCurrentText(order);
      box->text_edit()->setText(text);
      box->accept();
    });
    window_->button(QStringLiteral("Search"))->click();
  }
};

TEST_F(ToolsTest, SortMenuChecksOneOrderAndShowsIt) {
  StartWindow();
  AddPeople();
  window_->action(QStringLiteral("&Zip"))->trigger();
  EXPECT_TRUE(window_->action(QStringLiteral("&Zip"))->isChecked());
  EXPECT_FALSE(window_->action(QStringLiteral("&Last Name"))->isChecked());
  EXPECT_EQ(window_->sort_status()->text(), QStringLiteral("Sorted by Zip"));
  window_->button(QStringLiteral("First"))->click();
  EXPECT_EQ(Shown("ZIP"), QStringLiteral("02101"));
}

TEST_F(ToolsTest, SearchFindsTheFirstKeyStartingWithTheTextInAnyCase) {
  StartWindow();
  AddPeople();
  Search(QStringLiteral("Last Name"), QStringLiteral("jo"));
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Johnson"));
  Search(QStringLiteral("City"), QStringLiteral("zzz"));
  EXPECT_EQ(Shown("LNAME"), QStringLiteral("Johnson"));  // nothing found: the record stays
  EXPECT_EQ(window_->sort_status()->text(), QStringLiteral("Sorted by City"));  // the order changed
  EXPECT_TRUE(window_->action(QStringLiteral("&City"))->isChecked());
}

TEST_F(ToolsTest, TagAllCancelledAfterTheFirstTagsOne) {
  StartWindow();
  AddPeople();
  messenger_.answer = true;  // "Tag all records matching filter?", then "Cancel Tagging?"
  WhenDialogOpens<TTagAllRecords>([](TTagAllRecords* tagging) {
    // The job lets events through after each record: cancel after the first.
    auto* poll = new QTimer(tagging);
    auto check = [tagging, poll] {
      if (tagging->count()->text() == QStringLiteral("1 tagged")) tagging->cancel_button()->click();
      if (tagging->ok_button()->isVisible()) {
        poll->stop();
        EXPECT_EQ(tagging->activity()->text(), QStringLiteral("Cancelled before completion"));
        tagging->ok_button()->click();
      }
    };
    QObject::connect(poll, &QTimer::timeout, tagging, check);
    check();  // this may already run between records
    poll->start(0);
  });
  FilterConditions first_names_with_j;
  first_names_with_j[QStringLiteral("FNAME")] = QStringLiteral("J");
  ASSERT_EQ(window_->book().SetFilter(first_names_with_j), 2u);
  window_->RefreshAll();
  window_->action(QStringLiteral("&Tag All Filter Matches"))->trigger();
  FilterConditions tagged;
  tagged.tagged = true;
  EXPECT_EQ(window_->book().SetFilter(tagged), 1u);
}

TEST_F(ToolsTest, CloneCopiesTextAndMemoButNotTheTag) {
  StartWindow();
  AddRecord({{"LNAME", "Zeta"}, {"FNAME", "Zed"}, {"EMAIL", "z@example.com"}});
  window_->tagged_box()->click();
  ASSERT_TRUE(window_->tagged_box()->isChecked());
  messenger_.answer = true;
  window_->action(QStringLiteral("Create a Duplicate &Record (Clone)"))->trigger();
  EXPECT_EQ(RecordCount(), 2u);
  EXPECT_EQ(Shown("EMAIL"), QStringLiteral("z@example.com"));
  EXPECT_FALSE(window_->tagged_box()->isChecked());
  EXPECT_TRUE(messenger_.said.contains(QStringLiteral("Clone completed. Current record is an exact copy")));
}

TEST_F(ToolsTest, ClipboardTextLeavesOutEmptyPhoneLines) {
  StartWindow();
  AddRecord({{"LNAME", "Quiet"}, {"FNAME", "Quinn"}, {"CITY", "Reno"}, {"STATE", "NV"}, {"ZIP", "89501"}});
  WhenDialogOpens<TCopyToClipBoard>([](TCopyToClipBoard* choice) { choice->accept(); });
  window_->action(QStringLiteral("Copy To &Clipboard"))->trigger();
  const QString text = QGuiApplication::clipboard()->text();
  EXPECT_EQ(text, QStringLiteral("Quinn Quiet \r\nReno  NV 89501\r\n"));
  EXPECT_TRUE(messenger_.said.contains(QStringLiteral("Record copied to Windows Clipboard")));
}

}  // namespace
}  // namespace vellumo
