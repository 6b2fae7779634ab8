// The main window's command table: every command has one row, the window
// builds every menu item and button the table lists, and the enabling
// rules of the table are what the window shows.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <set>

#include "addressbook/windows/main_commands.h"
#include "main_window_fixture.h"

namespace vellumo {
namespace {

TEST(MainCommandTableTest, EveryCommandHasExactlyOneRow) {
  std::set<MainCommand> seen;
  for (const MainCommandSpec& command : MainCommands()) {
    EXPECT_TRUE(seen.insert(command.id).second) << "command " << static_cast<int>(command.id) << " twice";
    EXPECT_TRUE(command.menu_caption != nullptr || command.button_caption != nullptr);
    EXPECT_EQ(command.menu == CommandMenu::kNone, command.menu_caption == nullptr);
  }
  const int last = static_cast<int>(MainCommand::kHowToUseHelp);
  EXPECT_EQ(seen.size(), static_cast<size_t>(last + 1));
  for (int id = 0; id <= last; ++id) EXPECT_NO_THROW(MainCommandFor(static_cast<MainCommand>(id)));
}

TEST(MainCommandTableTest, CaptionsAndShortcutsAreUnique) {
  std::set<std::pair<CommandMenu, QString>> menu_items;
  std::set<QString> buttons;
  std::set<int> shortcuts;
  for (const MainCommandSpec& command : MainCommands()) {
    if (command.menu_caption) {
      EXPECT_TRUE(menu_items.insert({command.menu, command.menu_caption}).second);
    }
    if (command.button_caption) {
      EXPECT_TRUE(buttons.insert(command.button_caption).second);
    }
    if (command.shortcut.key() != Qt::Key_unknown) {
      EXPECT_TRUE(shortcuts.insert(command.shortcut.toCombined()).second);
    }
  }
}

TEST(MainCommandTableTest, CommandsWithoutTheirWindowStayDisabledInEveryState) {
  CommandState everything_on;
  for (bool CommandState::*flag : {&CommandState::letters, &CommandState::export_records, &CommandState::import_dbf,
                                   &CommandState::import_ascii}) {
    everything_on.*flag = true;
  }
  EXPECT_FALSE(MenuItemEnabled(MainCommandFor(MainCommand::kExport), everything_on));
  EXPECT_FALSE(ButtonEnabled(MainCommandFor(MainCommand::kPrintLetters), everything_on));
  EXPECT_FALSE(MenuItemEnabled(MainCommandFor(MainCommand::kImportDbf), everything_on));
  EXPECT_TRUE(MenuItemEnabled(MainCommandFor(MainCommand::kPrintCurrentRecord), CommandState{}));
}

TEST(MainCommandTableTest, TheLabelsButtonFollowsTheBrowseState) {
  CommandState browsing;
  browsing.labels = true;
  EXPECT_TRUE(ButtonEnabled(MainCommandFor(MainCommand::kPrintLabels), browsing));
  EXPECT_FALSE(ButtonEnabled(MainCommandFor(MainCommand::kPrintLabels), CommandState{}));
}

class MainCommandWindowTest : public MainWindowTest {};

TEST_F(MainCommandWindowTest, WindowHasTheItemAndButtonOfEveryRow) {
  StartWindow();
  for (const MainCommandSpec& command : MainCommands()) {
    if (command.menu_caption) {
      QAction* item = window_->action(command.id);
      ASSERT_NE(item, nullptr) << command.menu_caption;
      EXPECT_EQ(item->text(), QLatin1String(command.menu_caption));
      if (command.shortcut.key() != Qt::Key_unknown) {
        EXPECT_EQ(item->shortcut(), QKeySequence(command.shortcut));
      }
    } else {
      EXPECT_EQ(window_->action(command.id), nullptr);
    }
    if (command.button_caption) {
      QPushButton* b = window_->button(command.id);
      ASSERT_NE(b, nullptr) << command.button_caption;
      EXPECT_EQ(b->objectName(), QLatin1String(command.button_caption));
      if (command.whats_this) {
        EXPECT_EQ(b->whatsThis(), QLatin1String(command.whats_this));
      }
    } else {
      EXPECT_EQ(window_->button(command.id), nullptr);
    }
  }
}

TEST_F(MainCommandWindowTest, WindowShowsTheTableRulesWhileBrowsingAndEditing) {
  StartWindow();
  AddRecord({{"LNAME", "Adams"}});
  for (bool editing : {false, true}) {
    if (editing) {
      ASSERT_TRUE(window_->book().Edit());
    }
    window_->RefreshAll();
    const CommandState state = window_->book().Commands();
    for (const MainCommandSpec& command : MainCommands()) {
      if (QAction* item = window_->action(command.id)) {
        EXPECT_EQ(item->isEnabled(), MenuItemEnabled(command, state)) << command.menu_caption;
      }
      if (QPushButton* b = window_->button(command.id)) {
        EXPECT_EQ(b->isEnabled(), ButtonEnabled(command, state)) << command.button_caption;
        EXPECT_EQ(!b->isHidden(), ButtonVisible(command, state)) << command.button_caption;
      }
    }
  }
}

}  // namespace
}  // namespace vellumo
