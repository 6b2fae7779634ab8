// Which commands of the main window are enabled or visible, as a function
// of the address book's state, and the filter status text.
#pragma once

#include <QString>
#include <cstdint>

namespace vellumo {

struct BookState {
  bool open = false;        // a database is open
  bool editing = false;     // a record is being edited or inserted
  bool records = false;     // open and positioned on a record (not past the end)
  bool filter_set = false;  // a user filter is in force
  bool memo_found = false;  // the last memo search found a record
};

struct CommandState {
  // While a database is open.
  bool edit_menu = false;
  bool rebuild_indexes = false;
  bool import_ascii = false;
  bool import_dbf = false;
  // While browsing records: enabled.
  bool search = false;
  bool edit = false;
  bool delete_record = false;
  bool browse = false;
  bool navigation = false;
  bool clone = false;
  bool sort_menu = false;
  bool print_menu = false;
  bool utilities_menu = false;
  bool labels = false;
  bool letters = false;
  bool envelopes = false;
  bool reports = false;
  bool export_records = false;
  // While browsing records: visible.
  bool dial_phone1_visible = false;
  bool dial_phone2_visible = false;
  bool search_memo_visible = false;
  // Open and not editing.
  bool add = false;
  bool record_menu = false;
  // Filter commands.
  bool clear_filter_visible = false;
  bool clear_filter_enabled = false;
  bool save_filter = false;
  bool clear_filter_menu = false;
  bool tag_all = false;
  bool filter = false;
  bool set_filter = false;
  // Editing: Save and Cancel take the place of Add, Edit, Delete and Exit.
  bool save_cancel_visible = false;
  bool add_edit_delete_exit_visible = false;
  bool find_next_visible = false;
  // Not editing.
  bool file_menu = false;
  bool exit_menu_item = false;

  bool operator==(const CommandState&) const = default;
};

CommandState CommandsFor(const BookState& state);

// The right-hand status line: hidden ("") without an open database; else
// "<n> filter matches", "<n> records (no filter)" or "No records".
QString FilterStatusText(bool open, bool filter_set, uint32_t visible_records);
// In place of both, on the status line and in the filter window, while the
// conditions could not be put in force.
QString FilterFailedText();

}  // namespace vellumo
