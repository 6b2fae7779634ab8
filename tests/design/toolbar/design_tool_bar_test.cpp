// The design tool bar: one tool down, picks reported only when the user
// makes them, toggles apart from the tools, and icons that draw something
// at every size.
#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "design/toolbar/design_tool_bar.h"

namespace vellumo::design {
namespace {

class DesignToolBarTest : public ::testing::Test {
 protected:
  DesignToolBarTest() {
    bar_.AddTool(0, QStringLiteral("Selection tool"), DesignIcon::kArrow);
    bar_.AddTool(4, QStringLiteral("Text tool"), DesignIcon::kText);
    bar_.AddTool(7, QStringLiteral("Line Tool"), DesignIcon::kLine);
    bar_.ToolPicked = [this](int id) { picked_.push_back(id); };
  }

  TDesignToolBar bar_;
  std::vector<int> picked_;
};

TEST_F(DesignToolBarTest, FirstToolIsDownAndExactlyOneStaysDown) {
  EXPECT_EQ(bar_.Current(), 0);
  bar_.ToolAction(4)->trigger();
  EXPECT_EQ(bar_.Current(), 4);
  EXPECT_FALSE(bar_.ToolAction(0)->isChecked());
  // Pressing the tool that is down keeps it down.
  bar_.ToolAction(4)->trigger();
  EXPECT_TRUE(bar_.ToolAction(4)->isChecked());
  EXPECT_EQ(picked_, (std::vector<int>{4, 4}));
}

TEST_F(DesignToolBarTest, SetCurrentFromCodeIsNotReportedAsAPick) {
  bar_.SetCurrent(7);
  EXPECT_EQ(bar_.Current(), 7);
  bar_.SetCurrent(99);  // unknown: nothing changes
  EXPECT_EQ(bar_.Current(), 7);
  EXPECT_TRUE(picked_.empty());
}

TEST_F(DesignToolBarTest, HintsAreToolTipsAndTogglesStayOutOfTheGroup) {
  EXPECT_EQ(bar_.ToolAction(7)->toolTip(), QStringLiteral("Line Tool"));
  EXPECT_EQ(bar_.ToolAction(5), nullptr);
  QAction* grid = bar_.AddToggle(QStringLiteral("Show grid"), DesignIcon::kGrid);
  QAction* art = bar_.AddToggle(QStringLiteral("Show art"), DesignIcon::kArt, true);
  EXPECT_FALSE(grid->isChecked());
  EXPECT_TRUE(art->isChecked());
  grid->trigger();
  EXPECT_TRUE(grid->isChecked());
  EXPECT_TRUE(art->isChecked());
  EXPECT_EQ(bar_.Current(), 0);  // the tool stays down
  grid->trigger();
  EXPECT_FALSE(grid->isChecked());
  EXPECT_TRUE(picked_.empty());
}

// Dark pixels of the icon drawn on white at `side` pixels and `ratio`.
int InkedPixels(const QIcon& icon, int side, qreal ratio, QIcon::Mode mode = QIcon::Normal) {
  QImage image(QSize(side, side) * ratio, QImage::Format_ARGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    icon.paint(&painter, QRect(0, 0, side, side), Qt::AlignCenter, mode);
  }
  int inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) inked += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
  }
  return inked;
}

TEST(DesignIconTest, EveryIconDrawsInkAtEverySizeAndRatio) {
  for (int i = int(DesignIcon::kArrow); i <= int(DesignIcon::kRedo); ++i) {
    const QIcon icon = DesignToolIcon(DesignIcon(i));
    const int at_24 = InkedPixels(icon, 24, 1);
    EXPECT_GT(at_24, 8) << "icon " << i;
    // Twice the pixels each way on a high-density screen: about four
    // times the ink, drawn at that density rather than scaled up.
    const int at_48 = InkedPixels(icon, 24, 2);
    EXPECT_GT(at_48, 2 * at_24) << "icon " << i;
    EXPECT_GT(InkedPixels(icon, 16, 1), 0) << "icon " << i;
  }
}

TEST(DesignIconTest, IconsDifferFromEachOther) {
  const auto picture = [](DesignIcon icon) { return DesignToolIcon(icon).pixmap(24, 24).toImage(); };
  EXPECT_NE(picture(DesignIcon::kPostnet), picture(DesignIcon::kIntelligentMail));
  EXPECT_NE(picture(DesignIcon::kRectangle), picture(DesignIcon::kRoundRect));
  EXPECT_NE(picture(DesignIcon::kField), picture(DesignIcon::kFieldNames));
  EXPECT_NE(picture(DesignIcon::kUndo), picture(DesignIcon::kRedo));
}

TEST(DesignIconTest, DisabledIconsAreLighter) {
  const QIcon icon = DesignToolIcon(DesignIcon::kArrow);
  EXPECT_GT(InkedPixels(icon, 24, 1), 0);
  EXPECT_EQ(InkedPixels(icon, 24, 1, QIcon::Disabled), 0);  // grey, never dark
}

}  // namespace
}  // namespace vellumo::design
