// The address book behind the main window: the one open address database,
// its sort order and filter, the record being browsed, edited or added, and
// the record tools (tags, clone, memo search). The window is a view over
// it: it shows what this class holds and turns its results into beeps and
// focus changes. Messages and questions go through the Messenger.
//
// Not thread-safe; lives on the user-interface thread.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/adding_preferences.h"
#include "addressbook/adding_rules.h"
#include "addressbook/address_record.h"
#include "addressbook/command_state.h"
#include "addressbook/record_text.h"
#include "core/field_lengths.h"
#include "core/filter_expression.h"
#include "xbase/table.h"

namespace vellumo {

class AddressBook {
 public:
  enum class Mode { kBrowse, kEdit, kInsert };

  // Rebuilds the indexes of an open address table, as the rebuild window
  // does; true when it finished.
  using Rebuilder = std::function<bool(xbase::Table& table)>;
  // Called after each record of a long loop with the records done so far;
  // false stops the loop after that record.
  using KeepGoing = std::function<bool(int done)>;

  // Rebuilds without showing progress until the window sets its own.
  AddressBook();
  ~AddressBook();
  AddressBook(const AddressBook&) = delete;
  AddressBook& operator=(const AddressBook&) = delete;

  void SetRebuilder(Rebuilder rebuilder) { rebuilder_ = std::move(rebuilder); }
  // The file layer the databases are opened and created through (not
  // owned; must outlive the book); Env::Default() until set.
  void SetEnv(xbase::Env* env) { env_ = env; }
  // Called where the window beeps in the middle of a command (a possible
  // duplicate is found, before the question).
  void SetBeeper(std::function<void()> beeper) { beeper_ = std::move(beeper); }

  // ---- Database lifecycle (address_book.cpp).
  // Start-up: clears the filter, loads the adding preferences and the tag
  // id, then opens the first recent file, else DATA/add0001.DBF, creating
  // it when missing. True when a database is open afterwards.
  bool Start();
  // Opens `path` as the main window does: the not-opened message, the
  // offer to rebuild missing tags, order "Last Name", the filter, the first
  // record; on success the path heads the recent-file list. "" does nothing.
  bool Open(const QString& path);
  // The "Open" command's file: refused with "Must be a DBF file" unless
  // its extension is .DBF.
  bool OpenChosenFile(const QString& path);
  // A recent-file entry; when it does not open and a database was open
  // before, that one is opened again.
  bool OpenRecentFile(const QString& path);
  // Creates DATA/<name>.DBF with these widths and opens it; "That file
  // already exists.Please select another name" when it exists.
  bool CreateNew(const QString& name, const FieldLengths& lengths);
  // Cancels a pending edit and closes the table.
  void Close();

  // Shown over the form while no database is open.
  static QString NoDatabaseText() { return QStringLiteral("Please Open or Create a Vellumo Address file"); }
  bool is_open() const { return table_ != nullptr; }
  const QString& path() const { return path_; }
  // The title bar: "Vellumo - " + the path of the open database, or
  // "Vellumo" while none is open.
  QString caption() const;
  // The open table, lent to other windows; null when none is open.
  xbase::Table* table() { return table_.get(); }
  const AddingPreferences& preferences() const { return prefs_; }
  // Reloads the adding preferences and the tag id (after the preferences
  // dialog). A tag id that cannot be stored is told to the user.
  void LoadPreferences();
  const QString& tag_id() const { return tag_id_; }

  // ---- Order, search and filter (book_order.cpp).
  // Selects the order of a sort name (case ignored); another name changes
  // no order. The sort status shows the name as given.
  void SetOrderTo(const QString& sort_name);
  // Makes the tag the current order (a failure is told) and remembers it.
  void SetCurrentOrder(const QString& tag);
  const QString& order_tag() const { return order_tag_; }
  const QString& sort_status() const { return sort_status_; }
  // The checked "&Sort" item, -1 when none.
  int checked_sort_item() const { return checked_sort_item_; }
  // Selects the order, then finds the first record whose key begins with
  // `text` (upper-cased). False, with the record kept, when none does or
  // the seek fails (the user is told why); an empty text changes nothing.
  bool Search(const QString& sort_name, const QString& text);

  // Puts the conditions in force; returns the visible count (0 when the
  // filter was dropped for matching nothing, or failed).
  uint32_t SetFilter(const FilterConditions& conditions);
  void ClearFilter();
  // Re-applies the current conditions, dropping a filter that matches
  // nothing.
  void ApplyFilter();
  // Set only while the conditions build an expression: "Reverse" alone,
  // or lists of nothing but separators, are no filter.
  bool filter_set() const { return !filter_expression_.isEmpty(); }
  // The last ApplyFilter could not put the conditions in force (the user
  // was told why): only deleted records are hidden, the conditions are
  // kept, and no filter is set.
  bool filter_failed() const { return !filter_failure_.isEmpty(); }
  // Why, "" when it did not fail.
  const QString& filter_failure() const { return filter_failure_; }
  // The expression built from the conditions, without the deletion test.
  const QString& filter_expression() const { return filter_expression_; }
  const FilterConditions& filter_conditions() const { return conditions_; }
  uint32_t VisibleRecordCount() const;
  QString FilterStatus() const;

  // ---- Navigation and editing (book_editing.cpp).
  // False when there was no record to move to: the window beeps.
  bool First();
  bool Last();
  bool Next();
  bool Previous();
  // Positioned on a visible record (not past the end).
  bool has_record() const;
  // Makes record `recno` current (while browsing); false when it is not
  // a visible record.
  bool GoTo(uint32_t recno);

  Mode mode() const { return mode_; }
  bool editing() const { return mode_ != Mode::kBrowse; }
  // The record shown: the edited values while editing, else the table's.
  // A record that cannot be read is told to the user ("Unable to read
  // record " + number, with the engine's reason) and shows what was read.
  AddressRecord CurrentRecord() const;
  QString Field(const QString& field) const { return CurrentRecord().Get(field); }
  bool CurrentIsTagged() const;

  // Starts editing the current record.
  [[nodiscard]] bool Edit();
  // Changes a text field or the memo of the record shown, starting an edit
  // when browsing. False for unknown fields or without a record. MIDDLE,
  // the middle initial, is kept in upper case.
  [[nodiscard]] bool SetField(const QString& field, const QString& value);
  [[nodiscard]] bool SetMemo(const QString& memo);

  enum class AddResult { kAdding, kDuplicateDeclined, kFailed };
  // Add with the answers of the "New Record" dialog (empty when it was not
  // shown): city and state looked up by ZIP, the duplicate-name check, then
  // a new record filled in under the preferences. Nothing is written until
  // Save. On kDuplicateDeclined the possible duplicate is current.
  AddResult Add(const NewRecordRequest& request);
  // The field that takes the focus in the record being added.
  QString FocusFieldForNewRecord() const;

  // Writes the edited or new record (the memo rule of MemoForSaving
  // applies) and commits. A filter that then matches nothing is dropped.
  // On failure (told to the user) the record is still being edited.
  [[nodiscard]] bool Save();
  void Cancel();
  // Asks "Delete this record?"; on Yes marks the record deleted (ISDEL
  // and the deletion mark) and moves to the previous record. A filter that
  // then matches nothing is dropped.
  bool Delete();

  // The questions of the editing keys. Ctrl+Enter saves without asking.
  // Alt+Enter: saves, then asks "Add another record?" (caption "Add");
  // true when the window should add another.
  bool SaveAndAskAddAnother();
  // Page Down while editing: "Save changes?" (caption "Save"); Yes saves.
  bool AskSaveChanges();
  // Escape while editing: "Cancel changes?" (caption "Cancel"); Yes cancels.
  bool AskCancelChanges();

  // The enabled and visible commands for the window's state.
  CommandState Commands() const;

  // ---- Record tools (book_tools.cpp).
  // Tags the current record, or untags it when it holds the current id.
  bool ToggleTag();
  // A new tag id: no record is tagged any more. When the id cannot be
  // stored the user is told, the old id stays and false is returned.
  bool ClearTags();
  // "Tag all records matching filter?" (caption "TAG ALL").
  bool AskTagAll();
  struct TagAllResult {
    int tagged = 0;
    bool cancelled = false;
    // Why tagging stopped short, "" when nothing failed.
    QString failure;
    // "Complete", "Cancelled before completion", or "Stopped before
    // completion" with the reason on a second line.
    QString outcome() const;
  };
  // Tags every record under the filter, from the first, calling
  // `keep_going` after each; ends on the first record. An engine failure
  // stops it (see TagAllResult::failure).
  TagAllResult TagAllFilterMatches(const KeepGoing& keep_going);
  // "Cancel Tagging?" (caption "CANCEL"), asked by the tagging window.
  static bool AskCancelTagging();

  // Asks "Clone this record?"; on Yes appends a copy of the current record's
  // text fields and memo (not ISDEL, not TAG) and makes it current.
  bool Clone();
  QString RecordText(const RecordTextParts& parts) const;

  // Searches the memos for `text` (case ignored) from the first record, or
  // from the one after the current. The match becomes current; without one
  // the record is kept and the result is false (the window beeps). A memo
  // that cannot be read ends the search, and the user is told.
  bool FindTextInMemo(const QString& text, bool from_start, const KeepGoing& keep_going = nullptr);
  // The last search again, from the record after the current.
  bool FindNext(const KeepGoing& keep_going = nullptr);
  const QString& memo_search_text() const { return memo_search_text_; }
  bool memo_found() const { return memo_found_; }

 private:
  bool OpenTable(const QString& path);
  bool LookUpCityState(const QString& zip, QString* city, QString* state);
  bool IsPossibleDuplicate(const QString& first, const QString& last);
  void DropFilterIfEmpty();
  // The current record passes the filter and deletion hiding.
  bool CurrentIsVisible() const;
  // Reports a failed engine call on the current table; false for errors.
  bool Check(const xbase::Status& status) const;

  xbase::Env* env_ = xbase::Env::Default();
  std::unique_ptr<xbase::Table> table_;
  QString path_;
  QString order_tag_;
  QString sort_status_;
  int checked_sort_item_ = -1;
  FilterConditions conditions_;
  QString filter_expression_;
  QString filter_failure_;
  AddingPreferences prefs_;
  QString tag_id_;

  Mode mode_ = Mode::kBrowse;
  AddressRecord pending_;
  uint32_t record_before_insert_ = 0;

  QString memo_search_text_;
  bool memo_found_ = false;

  Rebuilder rebuilder_;
  std::function<void()> beeper_;
};

}  // namespace vellumo
