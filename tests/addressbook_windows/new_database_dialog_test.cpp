// The new-database dialog: its message about an invalid name is shown in
// full, and the dialog keeps its size and its buttons their places while
// the name goes from valid to invalid and back.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "addressbook/windows/new_database_dialog.h"
#include "test_home.h"

namespace vellumo {
namespace {

class NewDatabaseDialogTest : public HomeTest {};

TEST_F(NewDatabaseDialogTest, InvalidNameMessageShowsWholeAndNothingMoves) {
  TNewDataBaseName dialog;
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  dialog.name_edit()->setText(QStringLiteral("GOOD"));
  QApplication::processEvents();
  const QSize valid_size = dialog.size();
  const QRect ok_place = dialog.ok_button()->geometry();

  dialog.name_edit()->setText(QStringLiteral("9bad"));
  QApplication::processEvents();
  QLabel* message = dialog.invalid_label();
  ASSERT_TRUE(message->isVisible());
  EXPECT_FALSE(dialog.ok_button()->isEnabled());
  // The wrapped message needs this height at its width; less cuts lines off.
  EXPECT_GE(message->height(), message->heightForWidth(message->width()));
  EXPECT_EQ(dialog.size(), valid_size);
  EXPECT_EQ(dialog.ok_button()->geometry(), ok_place);

  dialog.name_edit()->setText(QStringLiteral("GOOD2"));
  QApplication::processEvents();
  EXPECT_FALSE(message->isVisible());
  EXPECT_EQ(dialog.size(), valid_size);
  EXPECT_EQ(dialog.ok_button()->geometry(), ok_place);
}

}  // namespace
}  // namespace vellumo
