// The main window's command table.
#include "addressbook/windows/main_commands.h"

#include <algorithm>
#include <stdexcept>

namespace vellumo {
namespace {

using M = MainCommand;
using Menu = CommandMenu;
using S = CommandState;
constexpr QKeyCombination kNoKey = Qt::Key_unknown;
constexpr QKeyCombination Ctrl(Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); }

// Rows of one menu appear in that menu in the order of this table.
constexpr MainCommandSpec kCommands[] = {
    // id, menu, menu caption, button caption, shortcut,
    // menu enabled by, button enabled by, button shown by, available, what's this
    {M::kNewDatabase, Menu::kFile, "&New Address Database", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kOpenDatabase, Menu::kFile, "&Open Address DataBase", nullptr, kNoKey, nullptr, nullptr, nullptr, true,
     nullptr},
    {M::kBrowse, Menu::kFile, "&Browse", "Browse", Ctrl(Qt::Key_B), &S::browse, &S::browse, nullptr, true,
     "Shows the records as a table (Ctrl+B)."},
    {M::kSearch, Menu::kFile, "&Search", "Search", Ctrl(Qt::Key_S), &S::search, &S::search, nullptr, true,
     "Finds the first record that begins with a text in a chosen sort order (Ctrl+S)."},
    {M::kImportDbf, Menu::kImport, "Import from &DBF File", nullptr, kNoKey, &S::import_dbf, nullptr, nullptr, false,
     nullptr},
    {M::kImportAscii, Menu::kImport, "Import from &ASCII File", nullptr, kNoKey, &S::import_ascii, nullptr, nullptr,
     false, nullptr},
    {M::kImportVersion1, Menu::kImport, "Import from Vellumo 1.x DBF", nullptr, kNoKey, nullptr, nullptr, nullptr,
     false, nullptr},
    {M::kImportVersion2, Menu::kImport, "Import from Vellumo 2.x DBF", nullptr, kNoKey, nullptr, nullptr, nullptr,
     false, nullptr},
    {M::kExport, Menu::kFile, "&Export ", nullptr, kNoKey, &S::export_records, nullptr, nullptr, false, nullptr},
    {M::kSetFilter, Menu::kFile, "Set &Filter", "Filter", Ctrl(Qt::Key_F), &S::set_filter, &S::filter, nullptr, true,
     "Shows only the records that meet the conditions you set (Ctrl+F)."},
    {M::kClearFilter, Menu::kFile, "&Clear Filter", "Clear Filter", kNoKey, &S::clear_filter_menu,
     &S::clear_filter_enabled, &S::clear_filter_visible, true,
     "Removes the filter, so that every record is shown again."},
    {M::kSaveFilter, Menu::kFile, "&Save Filter", nullptr, kNoKey, &S::save_filter, nullptr, nullptr, true, nullptr},
    {M::kRestoreFilter, Menu::kFile, "&Restore Filter", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kClearTags, Menu::kFile, "Clear &Tags", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kTagAll, Menu::kFile, "&Tag All Filter Matches", nullptr, kNoKey, &S::tag_all, nullptr, nullptr, true, nullptr},
    {M::kRebuildIndexes, Menu::kFile, "&Rebuild Indexes for this file", nullptr, kNoKey, &S::rebuild_indexes, nullptr,
     nullptr, true, nullptr},
    {M::kRebuildSystemIndexes, Menu::kFile, "Rebuild S&ystem File indexes", nullptr, kNoKey, nullptr, nullptr, nullptr,
     true, nullptr},
    {M::kPreferences, Menu::kFile, "Pre&ferences", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kExit, Menu::kFile, "E&xit ", "E&xit", kNoKey, &S::exit_menu_item, nullptr,
     &S::add_edit_delete_exit_visible, true, "Closes Vellumo."},
    {M::kWhatsThisMode, Menu::kNone, nullptr, "?", kNoKey, nullptr, nullptr, nullptr, true,
     "Click here, then on any control, to learn what it does."},

    {M::kUndoTyping, Menu::kEdit, "&Undo typing", nullptr, Ctrl(Qt::Key_Z), nullptr, nullptr, nullptr, true, nullptr},
    {M::kCut, Menu::kEdit, "Cu&t", nullptr, Ctrl(Qt::Key_X), nullptr, nullptr, nullptr, true, nullptr},
    {M::kCopy, Menu::kEdit, "&Copy", nullptr, Ctrl(Qt::Key_C), nullptr, nullptr, nullptr, true, nullptr},
    {M::kPaste, Menu::kEdit, "&Paste", nullptr, Ctrl(Qt::Key_V), nullptr, nullptr, nullptr, true, nullptr},

    {M::kFirst, Menu::kRecord, "&First", "First", Ctrl(Qt::Key_Up), nullptr, &S::navigation, nullptr, true,
     "Goes to the first record (Ctrl+Up or Ctrl+Page Up)."},
    {M::kPrevious, Menu::kRecord, "&Previous", "Previous", Ctrl(Qt::Key_Left), nullptr, &S::navigation, nullptr, true,
     "Goes to the previous record (Ctrl+Left or Page Up)."},
    {M::kNext, Menu::kRecord, "&Next", "Next", Ctrl(Qt::Key_Right), nullptr, &S::navigation, nullptr, true,
     "Goes to the next record (Ctrl+Right or Page Down)."},
    {M::kLast, Menu::kRecord, "&Last", "Last", Ctrl(Qt::Key_Down), nullptr, &S::navigation, nullptr, true,
     "Goes to the last record (Ctrl+Down or Ctrl+Page Down)."},
    {M::kAdd, Menu::kRecord, "&Add", "&Add", kNoKey, &S::add, &S::add, &S::add_edit_delete_exit_visible, true,
     "Adds a new record."},
    {M::kEdit, Menu::kRecord, "&Edit", "&Edit", kNoKey, &S::edit, &S::edit, &S::add_edit_delete_exit_visible, true,
     "Starts editing the record shown."},
    {M::kDelete, Menu::kRecord, "&Delete", "&Delete", kNoKey, &S::delete_record, &S::delete_record,
     &S::add_edit_delete_exit_visible, true, "Deletes the record shown, after asking."},
    {M::kSave, Menu::kNone, nullptr, "&Save", kNoKey, nullptr, &S::save_cancel_visible, &S::save_cancel_visible, true,
     "Saves the record being edited (Ctrl+Enter)."},
    {M::kCancel, Menu::kNone, nullptr, "&Cancel", kNoKey, nullptr, &S::save_cancel_visible, &S::save_cancel_visible,
     true, "Drops the changes to the record being edited (Escape)."},
    {M::kCopyToClipboard, Menu::kRecord, "Copy To &Clipboard", nullptr, kNoKey, nullptr, nullptr, nullptr, true,
     nullptr},
    {M::kClone, Menu::kRecord, "Create a Duplicate &Record (Clone)", nullptr, kNoKey, &S::clone, nullptr, nullptr, true,
     nullptr},
    {M::kChooseDate, Menu::kNone, nullptr, "Date", kNoKey, nullptr, nullptr, nullptr, true,
     "Chooses the record's date on a calendar, or removes it."},
    {M::kDialPhone1, Menu::kNone, nullptr, "Dial Phone &1", kNoKey, nullptr, nullptr, &S::dial_phone1_visible, false,
     "Dials the first telephone number."},
    {M::kDialPhone2, Menu::kNone, nullptr, "Dial Phone &2", kNoKey, nullptr, nullptr, &S::dial_phone2_visible, false,
     "Dials the second telephone number."},
    {M::kSearchMemo, Menu::kNone, nullptr, "Search &Memo", kNoKey, nullptr, nullptr, &S::search_memo_visible, true,
     "Finds the first record whose memo holds a text."},
    {M::kFindNext, Menu::kNone, nullptr, "Find &Next", kNoKey, nullptr, nullptr, &S::find_next_visible, true,
     "Finds the next record whose memo holds the same text."},

    {M::kCountZipCodes, Menu::kUtilities, "Count &Zip Codes", nullptr, kNoKey, nullptr, nullptr, nullptr, false,
     nullptr},
    {M::kCheckStateAndZip, Menu::kUtilities, "Check && Repair &State and Zip Codes", nullptr, kNoKey, nullptr, nullptr,
     nullptr, false, nullptr},
    {M::kCheckDuplicates, Menu::kUtilities, "Check && Repair &Duplicates", nullptr, kNoKey, nullptr, nullptr, nullptr,
     false, nullptr},
    {M::kConvertCase, Menu::kUtilities, "Con&vert Case", nullptr, kNoKey, nullptr, nullptr, nullptr, false, nullptr},
    {M::kDeleteRecords, Menu::kUtilities, "Delete &Records", nullptr, kNoKey, nullptr, nullptr, nullptr, false,
     nullptr},
    {M::kSearchAndReplace, Menu::kUtilities, "&Search && Replace Field Values", nullptr, kNoKey, nullptr, nullptr,
     nullptr, false, nullptr},

    {M::kPrintLabels, Menu::kPrint, "Print &Labels", "Labels", Ctrl(Qt::Key_L), nullptr, &S::labels, nullptr, true,
     "Prints mailing labels for the records (Ctrl+L)."},
    {M::kPrintLetters, Menu::kPrint, "Print Le&tters", "Letters", Ctrl(Qt::Key_T), nullptr, &S::letters, nullptr,
     false, "Prints form letters for the records (Ctrl+T)."},
    {M::kPrintEnvelopes, Menu::kPrint, "Print &Envelopes", "Envelopes", Ctrl(Qt::Key_E), nullptr, &S::envelopes,
     nullptr, false, "Prints envelopes for the records (Ctrl+E)."},
    {M::kPrintReports, Menu::kPrint, "Print &Reports", "Reports", Ctrl(Qt::Key_R), nullptr, &S::reports, nullptr,
     false, "Prints reports of the records (Ctrl+R)."},
    {M::kPrintCurrentRecord, Menu::kPrint, "Print C&urrent Record", nullptr, Ctrl(Qt::Key_P), nullptr, nullptr,
     nullptr, true, nullptr},

    {M::kHelpContents, Menu::kHelp, "&Contents", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kGettingStarted, Menu::kHelp, "&Getting Started", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kAbout, Menu::kHelp, "&About...", nullptr, kNoKey, nullptr, nullptr, nullptr, true, nullptr},
    {M::kSearchForHelpOn, Menu::kHelp, "Search for Help On", nullptr, kNoKey, nullptr, nullptr, nullptr, false,
     nullptr},
    {M::kHowToUseHelp, Menu::kHelp, "How to Use Help", nullptr, kNoKey, nullptr, nullptr, nullptr, false, nullptr},
};

bool StateAllows(bool CommandState::*rule, const CommandState& state) { return rule == nullptr || state.*rule; }

}  // namespace

std::span<const MainCommandSpec> MainCommands() { return kCommands; }

const MainCommandSpec& MainCommandFor(MainCommand id) {
  const auto* found =
      std::find_if(std::begin(kCommands), std::end(kCommands), [id](const MainCommandSpec& c) { return c.id == id; });
  if (found == std::end(kCommands)) throw std::logic_error("a main-window command without a row in the table");
  return *found;
}

bool MenuSeparatorAfter(MainCommand id) {
  switch (id) {
    case M::kExport:
    case M::kRestoreFilter:
    case M::kTagAll:
    case M::kPreferences:
    case M::kLast:
    case M::kDelete:
      return true;
    default:
      return false;
  }
}

bool MenuItemEnabled(const MainCommandSpec& command, const CommandState& state) {
  return command.available && StateAllows(command.menu_enabled, state);
}

bool ButtonEnabled(const MainCommandSpec& command, const CommandState& state) {
  return command.available && StateAllows(command.button_enabled, state);
}

bool ButtonVisible(const MainCommandSpec& command, const CommandState& state) {
  return StateAllows(command.button_visible, state);
}

}  // namespace vellumo
