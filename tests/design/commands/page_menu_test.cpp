// The page menu: its items in order, which of them can be chosen as the
// selection, the clipboard file and the objects stand, Undo and Redo with
// a history, the font command, failures said, and the Qt menu built from
// the items.
#include <QAction>
#include <QMenu>

#include "commands_fixture.h"
#include "design/commands/menu_widget.h"
#include "design/commands/page_menu.h"
#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"
#include "design/stream/design_file.h"
#include "design/windows/screen_font.h"
#include "menu_test_helpers.h"
#include "test_home.h"

namespace vellumo::design {
namespace {

using testing::Captions;
using testing::Enabled;
using testing::ItemCaptioned;

const QStringList kPageItems = {
    "Bring To Front", "Send To Back", "-", "Cut", "Copy", "Paste", "-", "Delete", "-", "Align Left", "Align Right",
    "Align Tops", "Align Bottoms", "-", "Center Vertically", "Center Horizontally", "-", "Lock All", "Unlock All",
    "-", "Mark All Selectable", "Mark All Unselectable", "Select All", "-", "Font"};

class PageMenuTest : public testing::CommandsTest {
 protected:
  void SetUp() override { SetMessenger(&messenger_); }
  void TearDown() override { SetMessenger(nullptr); }

  RecordingMessenger messenger_;
};

TEST_F(PageMenuTest, ItemsInOrderWithoutAHistory) {
  EXPECT_EQ(Captions(PageMenuItems(page_, nullptr)), kPageItems);
}

TEST_F(PageMenuTest, AnEmptyPageOffersOnlySelectabilityAndSelectAll) {
  EXPECT_EQ(Enabled(PageMenuItems(page_, nullptr)),
            (QStringList{"Mark All Selectable", "Mark All Unselectable", "Select All"}));
}

TEST_F(PageMenuTest, ObjectsEnableLockingAndASelectionTheSelectionCommands) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  EXPECT_EQ(Enabled(PageMenuItems(page_, nullptr)),
            (QStringList{"Lock All", "Unlock All", "Mark All Selectable", "Mark All Unselectable", "Select All"}));
  page_.AddToSelection(shape);
  QStringList all_but_paste = kPageItems;
  all_but_paste.removeAll("-");
  all_but_paste.removeAll("Paste");
  EXPECT_EQ(Enabled(PageMenuItems(page_, nullptr)), all_but_paste);
}

TEST_F(PageMenuTest, PasteNeedsTheClipboardFile) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  EXPECT_FALSE(ItemCaptioned(PageMenuItems(page_, nullptr), "Paste").enabled);
  ASSERT_TRUE(page_.Copy(shape).ok());
  EXPECT_TRUE(ItemCaptioned(PageMenuItems(page_, nullptr), "Paste").enabled);
}

TEST_F(PageMenuTest, WithAHistoryUndoAndRedoComeFirst) {
  Baseline();
  MenuItems items = PageMenuItems(page_, history_.get());
  ASSERT_EQ(Captions(items).mid(0, 3), (QStringList{"Undo", "Redo", "-"}));
  EXPECT_EQ(Captions(items).mid(3), kPageItems);
  EXPECT_FALSE(items[0].enabled);
  EXPECT_FALSE(items[1].enabled);

  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  page_.AddToSelection(shape);
  Settle();
  RunPageCommand(page_, {MenuCommand::kCenterHorizontally}, context_);
  Settle();
  items = PageMenuItems(page_, history_.get());
  EXPECT_EQ(items[0].caption, "Undo Center Horizontally");
  EXPECT_TRUE(items[0].enabled);

  RunPageCommand(page_, {MenuCommand::kUndo}, context_);
  EXPECT_EQ(page_.Objects().front()->Left(), 0);
  items = PageMenuItems(page_, history_.get());
  EXPECT_EQ(items[1].caption, "Redo Center Horizontally");
  RunPageCommand(page_, {MenuCommand::kRedo}, context_);
  EXPECT_EQ(page_.Objects().front()->Left(), 252 / 2 - 10);
}

TEST_F(PageMenuTest, FontStartsFromThePageFontAndGoesToTheSelectedObjects) {
  StoredFont page_font = DefaultTextFont();
  page_font.name = "Times New Roman";
  page_font.height = -16;
  page_.Font = page_font;
  auto* chosen_text = Add<TGPLabel>(QRect(0, 0, 100, 20));
  auto* chosen_lines = Add<TGMultiLineLabel>(QRect(0, 30, 100, 40));
  auto* other = Add<TGPLabel>(QRect(0, 80, 100, 20));
  page_.AddToSelection(chosen_text);
  page_.AddToSelection(chosen_lines);
  QFont courier(QStringLiteral("Courier New"));
  courier.setPointSize(14);
  font_answer_ = courier;

  RunPageCommand(page_, {MenuCommand::kFont}, context_);
  EXPECT_EQ(offered_font_, ScreenFont(page_font));
  EXPECT_EQ(chosen_text->Font.name, "Courier New");
  EXPECT_EQ(chosen_lines->Font.name, "Courier New");
  EXPECT_EQ(chosen_text->Font.height, StoredFontOf(courier, page_font).height);
  EXPECT_EQ(other->Font.name, DefaultTextFont().name);

  font_answer_.reset();
  changes_ = 0;
  RunPageCommand(page_, {MenuCommand::kFont}, context_);
  EXPECT_EQ(changes_, 0) << "a cancelled font dialog changes nothing";
}

TEST_F(PageMenuTest, ItemsThatCannotBeChosenDoNothing) {
  TGGraphicControl* shape = Add(QRect(0, 0, 20, 20));
  ASSERT_TRUE(page_.Copy(shape).ok());
  ASSERT_TRUE(env_->RemoveFile(page_.ClipboardPath()).ok());
  RunPageCommand(page_, {MenuCommand::kPaste}, context_);
  page_.AddToSelection(shape);
  RunPageCommand(page_, {MenuCommand::kClone}, context_);  // an object menu's command
  EXPECT_EQ(page_.Objects().size(), 1u);
}

TEST_F(PageMenuTest, SelectionCommandsActOnTheSelection) {
  TGGraphicControl* a = Add(QRect(30, 10, 20, 20));
  TGGraphicControl* b = Add(QRect(60, 40, 30, 20));
  Add(QRect(5, 70, 20, 20));
  page_.AddToSelection(a);
  page_.AddToSelection(b);
  RunPageCommand(page_, {MenuCommand::kAlignBottoms}, context_);
  EXPECT_EQ(a->Bottom(), 60);
  EXPECT_EQ(b->Bottom(), 60);
  RunPageCommand(page_, {MenuCommand::kAlignLeft}, context_);
  EXPECT_EQ(b->Left(), 30);
  RunPageCommand(page_, {MenuCommand::kMarkAllUnselectable}, context_);
  EXPECT_TRUE(page_.Selection().empty());
  RunPageCommand(page_, {MenuCommand::kMarkAllSelectable}, context_);
  RunPageCommand(page_, {MenuCommand::kSelectAll}, context_);
  EXPECT_EQ(page_.Selection().size(), 3u);
  RunPageCommand(page_, {MenuCommand::kCut}, context_);
  EXPECT_TRUE(page_.Objects().empty());
  EXPECT_TRUE(page_.ClipboardExists());
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(PageMenuTest, ADamagedClipboardFileIsSaidWithTheReason) {
  ASSERT_TRUE(ReplaceFileSafely(env_.get(), page_.ClipboardPath(), "not a design").ok());
  RunPageCommand(page_, {MenuCommand::kPaste}, context_);
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"The objects of the clipboard could not all be pasted."});
  EXPECT_FALSE(messenger_.ReasonOf(0).isEmpty());
}

TEST_F(PageMenuTest, TheQtMenuShowsTheItems) {
  auto* line_label = Add<TGPLabel>(QRect(0, 0, 100, 20));
  page_.AddToSelection(line_label);
  line_label->Transparent = true;
  MenuItems items = PageMenuItems(page_, nullptr);
  items.push_back(SubMenu("More", {CheckItem("Checked", MenuCommand::kTransparent, true, 7)}));
  const std::unique_ptr<QMenu> menu = BuildMenu(items, nullptr);
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), qsizetype(items.size()));
  for (qsizetype i = 0; i < actions.size(); ++i) {
    const MenuItem& item = items[size_t(i)];
    EXPECT_EQ(actions[i]->isSeparator(), item.IsSeparator()) << i;
    if (item.IsSeparator()) continue;
    EXPECT_EQ(actions[i]->text(), item.caption);
    EXPECT_EQ(actions[i]->isEnabled(), item.enabled) << item.caption.toStdString();
  }
  EXPECT_EQ(ChoiceOf(actions[3]), (MenuChoice{MenuCommand::kCut, 0}));
  QMenu* more = actions.back()->menu();
  ASSERT_NE(more, nullptr);
  QAction* checked = more->actions().front();
  EXPECT_TRUE(checked->isCheckable());
  EXPECT_TRUE(checked->isChecked());
  EXPECT_EQ(ChoiceOf(checked), (MenuChoice{MenuCommand::kTransparent, 7}));
  EXPECT_EQ(ChoiceOf(actions.back()), std::nullopt) << "a sub-menu heading is no choice";
  EXPECT_EQ(StepName(items, MenuChoice{MenuCommand::kTransparent, 7}), "More");
}

}  // namespace
}  // namespace vellumo::design
