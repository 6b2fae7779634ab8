// The enabled and visible set of the main window's commands.
#include "addressbook/command_state.h"

namespace vellumo {

CommandState CommandsFor(const BookState& s) {
  const bool open = s.open;
  const bool editing = open && s.editing;
  const bool browse = open && !editing && s.records;
  const bool filter = open && s.filter_set;
  CommandState c;
  c.edit_menu = c.rebuild_indexes = c.import_ascii = c.import_dbf = open;
  c.search = c.edit = c.delete_record = c.browse = c.navigation = c.clone = browse;
  c.sort_menu = c.print_menu = c.utilities_menu = browse;
  c.labels = c.letters = c.envelopes = c.reports = c.export_records = browse;
  c.dial_phone1_visible = c.dial_phone2_visible = c.search_memo_visible = browse;
  c.add = c.record_menu = open && !editing;
  c.clear_filter_visible = c.save_filter = c.clear_filter_menu = c.tag_all = filter;
  c.filter = c.set_filter = filter || browse;
  c.clear_filter_enabled = filter && !editing;
  c.save_cancel_visible = editing;
  c.add_edit_delete_exit_visible = !editing;
  c.find_next_visible = !editing && s.memo_found;
  c.file_menu = c.exit_menu_item = !editing;
  return c;
}

QString FilterStatusText(bool open, bool filter_set, uint32_t visible_records) {
  if (!open) return QString();
  if (visible_records == 0) return QStringLiteral("No records");
  return QString::number(visible_records) +
         (filter_set ? QStringLiteral(" filter matches") : QStringLiteral(" records (no filter)"));
}

QString FilterFailedText() { return QStringLiteral("Filter not applied"); }

}  // namespace vellumo
