// Remembered placement applied to real windows.
#include <QDialog>
#include <QScreen>

#include "core/window_placement.h"
#include "core/windows/window_placement_ops.h"
#include "test_home.h"

namespace vellumo {
namespace {

class WindowPlacementTest : public HomeTest {};

TEST_F(WindowPlacementTest, WithoutAStoredPlacementADialogIsCentredOverItsWindowAndStored) {
  QWidget main;
  main.setGeometry(100, 100, 600, 400);
  QDialog dialog(&main);
  dialog.resize(200, 100);
  RestoreWindowPlacement(&dialog, QStringLiteral("TTestDialog"));
  EXPECT_EQ(dialog.geometry().topLeft(), QPoint(300, 250));
  const WindowPlacement stored = ReadPlacement(PlacementSection(QStringLiteral("TTestDialog"), 96), false);
  EXPECT_TRUE(stored.stored());
  EXPECT_EQ(stored.left, 300);
}

TEST_F(WindowPlacementTest, StoredBoundsPastTheScreenEdgeMoveBackKeepingTheirSize) {
  QWidget window;
  const QRect screen = window.screen()->availableGeometry();
  WritePlacement(PlacementSection(QStringLiteral("TTestWindow"), 96),
                 WindowPlacement{screen.width() - 100, 10, screen.width() + 200, 210, false});
  RestoreWindowPlacement(&window, QStringLiteral("TTestWindow"));
  EXPECT_EQ(window.geometry().right() + 1, screen.width());
  EXPECT_EQ(window.geometry().width(), 300);
  SaveWindowPlacement(&window, QStringLiteral("TTestWindow"));
  EXPECT_EQ(ReadPlacement(PlacementSection(QStringLiteral("TTestWindow"), 96), false).right, screen.width());
}

}  // namespace
}  // namespace vellumo
