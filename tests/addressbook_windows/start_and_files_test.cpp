// Start-up, the recent-file menu, and the single-instance guard.
#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QStackedWidget>

#include "app/single_instance.h"
#include "core/recent_files.h"
#include "main_window_fixture.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

class StartTest : public MainWindowTest {};

QStringList RecentMenuItems(QMenu* file_menu) {
  QStringList items;
  for (QAction* item : file_menu->actions()) {
    if (item->text().endsWith(QStringLiteral(".DBF"), Qt::CaseInsensitive)) items << item->text();
  }
  return items;
}

TEST_F(StartTest, EmptyHomeCreatesAndOpensTheFirstDatabase) {
  StartWindow();
  EXPECT_TRUE(QFileInfo::exists(DataPath(QStringLiteral("add0001.DBF"))));
  ASSERT_TRUE(window_->book().is_open());
  EXPECT_EQ(window_->book().table()->TagCount(), 26u);
  EXPECT_FALSE(window_->no_database_panel()->isVisible());
  EXPECT_EQ(window_->sort_status()->text(), QStringLiteral("Sorted by Last Name"));
  EXPECT_EQ(window_->filter_status()->text(), QStringLiteral("No records"));
  EXPECT_TRUE(window_->windowTitle().startsWith(QStringLiteral("Vellumo - ")));
  EXPECT_EQ(window_->field_edit(QStringLiteral("LNAME"))->maxLength(),
            window_->book().table()->schema().field(0).length);
}

TEST_F(StartTest, MissingRecentFileShowsTheNoDatabasePanel) {
  RecordRecentFile(DataPath(QStringLiteral("GONE.DBF")));
  StartWindow();
  EXPECT_FALSE(window_->book().is_open());
  EXPECT_TRUE(window_->no_database_panel()->isVisible());
  EXPECT_FALSE(window_->button(QStringLiteral("&Add"))->isEnabled());
  EXPECT_TRUE(messenger_.said.join(QString()).contains(QStringLiteral("Unable to open "))) << messenger_.said.join('|').toStdString();
  EXPECT_EQ(ReadRecentFiles(), QStringList{DataPath(QStringLiteral("GONE.DBF"))});
}

TEST_F(StartTest, RecentFileMenuFollowsWhatWasOpened) {
  StartWindow();
  const QString first = DataPath(QStringLiteral("add0001.DBF"));
  ASSERT_TRUE(window_->book().CreateNew(QStringLiteral("SECOND"), ReadFieldLengths()));
  window_->RefreshAll();
  const QString second = DataPath(QStringLiteral("SECOND.DBF"));
  EXPECT_EQ(RecentMenuItems(window_->file_menu()), (QStringList{second, first}));
  // Opening the first again moves it to the top; it is listed once.
  ASSERT_TRUE(window_->OpenVelWDBF(first));
  EXPECT_EQ(RecentMenuItems(window_->file_menu()), (QStringList{first, second}));
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Vellumo - ") + first);
}

TEST_F(StartTest, AFailedOpenLeavesNoFileNameInTheTitle) {
  StartWindow();
  EXPECT_FALSE(window_->OpenVelWDBF(DataPath(QStringLiteral("GONE.DBF"))));
  EXPECT_TRUE(window_->no_database_panel()->isVisible());
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Vellumo"));
}

TEST(SingleInstanceTest, SecondInstanceHandsOverToTheFirst) {
  QTemporaryDir home;
  SingleInstance first(home.path());
  ASSERT_TRUE(first.Claim());
  QSignalSpy raised(&first, &SingleInstance::activationRequested);
  SingleInstance second(home.path());
  EXPECT_FALSE(second.Claim());
  EXPECT_TRUE(raised.count() > 0 || raised.wait(2000));
  // Another home runs its own instance.
  QTemporaryDir other_home;
  SingleInstance other(other_home.path());
  EXPECT_TRUE(other.Claim());
}

}  // namespace
}  // namespace vellumo
