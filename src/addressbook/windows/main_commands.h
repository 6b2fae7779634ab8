// The main window's commands in one table: for each command its id, the
// caption of its menu item and of its button, its shortcut, the states
// that enable and show it, and its "What's This?" text. The window builds
// its menu items and buttons from this table and reaches them by id, so
// that a command cannot be lost to a mistyped caption.
#pragma once

#include <QKeyCombination>
#include <span>

#include "addressbook/command_state.h"

namespace vellumo {

enum class MainCommand {
  // File menu and the top bar.
  kNewDatabase, kOpenDatabase, kBrowse, kSearch,
  kImportDbf, kImportAscii, kImportVersion1, kImportVersion2, kExport,
  kSetFilter, kClearFilter, kSaveFilter, kRestoreFilter, kClearTags, kTagAll,
  kRebuildIndexes, kRebuildSystemIndexes, kPreferences, kWhatsThisMode,
  // Edit menu (hidden; the edits act through their own shortcuts).
  kUndoTyping, kCut, kCopy, kPaste,
  // Record menu, the bottom bar and the form's buttons.
  kFirst, kPrevious, kNext, kLast, kAdd, kEdit, kDelete, kSave, kCancel, kExit,
  kCopyToClipboard, kClone, kChooseDate, kDialPhone1, kDialPhone2, kSearchMemo, kFindNext,
  // Utilities menu.
  kCountZipCodes, kCheckStateAndZip, kCheckDuplicates, kConvertCase, kDeleteRecords, kSearchAndReplace,
  // Print menu.
  kPrintLabels, kPrintLetters, kPrintEnvelopes, kPrintReports, kPrintCurrentRecord,
  // Help menu.
  kHelpContents, kGettingStarted, kAbout, kSearchForHelpOn, kHowToUseHelp,
};

// Where a command's menu item goes.
enum class CommandMenu { kNone, kFile, kImport, kEdit, kRecord, kUtilities, kPrint, kHelp };

struct MainCommandSpec {
  MainCommand id;
  CommandMenu menu;
  const char* menu_caption;    // null without a menu item
  const char* button_caption;  // null without a button
  QKeyCombination shortcut;    // of the menu item; Qt::Key_unknown for none
  // The state that enables the menu item and the button; null: always enabled.
  bool CommandState::*menu_enabled;
  bool CommandState::*button_enabled;
  // The state that shows the button; null: always shown.
  bool CommandState::*button_visible;
  // False while the window behind the command does not exist yet: its
  // menu item and button then stay disabled whatever the state.
  bool available;
  const char* whats_this;  // the button's explanation; null for none
};

// Every command, menu items in menu order (separators go after the
// commands listed in MenuSeparatorsAfter).
std::span<const MainCommandSpec> MainCommands();
const MainCommandSpec& MainCommandFor(MainCommand id);
// Commands whose menu item is followed by a separator.
bool MenuSeparatorAfter(MainCommand id);

// Whether the command's menu item and button are enabled, and its button
// shown, in state `state`.
bool MenuItemEnabled(const MainCommandSpec& command, const CommandState& state);
bool ButtonEnabled(const MainCommandSpec& command, const CommandState& state);
bool ButtonVisible(const MainCommandSpec& command, const CommandState& state);

}  // namespace vellumo
