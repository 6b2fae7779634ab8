// The main window's database and record commands: new, open, recent files,
// rebuilds, filter, add, edit, save, cancel, delete, moves, sort and search.
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QTabWidget>

#include "addressbook/sort_orders.h"
#include "addressbook/windows/address_main.h"
#include "addressbook/windows/date_selector.h"
#include "addressbook/windows/new_database_dialog.h"
#include "addressbook/windows/new_record_dialog.h"
#include "addressbook/windows/search_box.h"
#include "core/application_home.h"
#include "core/messages.h"
#include "core/windows/rebuild_dialogs.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

int FieldWidth(const xbase::Table* table, const char* field) {
  const int index = table ? table->FieldIndex(field) : -1;
  return index >= 0 ? table->schema().field(static_cast<size_t>(index)).length : 0;
}

}  // namespace

bool TAddressMain::OpenVelWDBF(const QString& path) {
  const bool opened = book_.Open(path);
  ApplyFieldWidths();
  RefreshAll();
  return opened;
}

void TAddressMain::NewDatabase() {
  TNewDataBaseName dialog(this);
  if (dialog.exec() != QDialog::Accepted) return;
  book_.CreateNew(dialog.name(), dialog.lengths());
  ApplyFieldWidths();
  RefreshAll();
}

void TAddressMain::OpenDatabase() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open Address DataBase"), DataDirectory(),
                                                    QStringLiteral("DBF Files (*.dbf *.DBF)"));
  if (path.isEmpty()) return;
  book_.OpenChosenFile(path);
  ApplyFieldWidths();
  RefreshAll();
}

void TAddressMain::OpenRecent(const QString& path) {
  book_.OpenRecentFile(path);
  ApplyFieldWidths();
  RefreshAll();
}

void TAddressMain::RebuildIndexes() {
  xbase::Table* table = book_.table();
  if (!table) {
    ShowInformation(QStringLiteral("You need to have a database file open first"));
    return;
  }
  const QString order = book_.order_tag();
  TVelReindex rebuild(*table, this);
  rebuild.exec();
  book_.SetCurrentOrder(order);
  book_.ApplyFilter();
  RefreshAll();
}

void TAddressMain::RebuildSystemIndexes() {
  TSystemReindex rebuild(this);
  rebuild.exec();
}

void TAddressMain::ClearFilter() {
  if (BeepWhileEditing()) return;
  book_.ClearFilter();
  RefreshAll();
}

void TAddressMain::AddRecord() {
  if (!book_.is_open() || book_.editing()) return;
  notebook_->setCurrentIndex(0);
  NewRecordRequest request;
  const AddingPreferences& prefs = book_.preferences();
  if (prefs.asks_before_adding()) {
    const xbase::Table* table = book_.table();
    NewRecordDialog dialog(prefs, FieldWidth(table, "LNAME"), FieldWidth(table, "FNAME"), FieldWidth(table, "ZIP"),
                           this);
    if (dialog.exec() != QDialog::Accepted) return;
    request = dialog.request();
  }
  const AddressBook::AddResult result = book_.Add(request);
  RefreshAll();
  if (result != AddressBook::AddResult::kAdding) return;
  FocusField(book_.FocusFieldForNewRecord());
  SetSkipFields(true);
}

void TAddressMain::EditRecord() {
  if (!book_.Edit()) return;
  SetButtons();
}

void TAddressMain::SaveRecord() {
  // A save that failed leaves the record in the form, still being edited.
  const bool saved = book_.Save();
  if (saved) SetSkipFields(false);
  RefreshAll();
  if (saved) FocusAfterEditing();
}

void TAddressMain::CancelRecord() {
  book_.Cancel();
  SetSkipFields(false);
  RefreshAll();
  FocusAfterEditing();
}

void TAddressMain::DeleteRecord() {
  book_.Delete();
  RefreshAll();
}

void TAddressMain::Navigate(bool (AddressBook::*move)()) {
  if (book_.editing()) return;
  if (!(book_.*move)()) QApplication::beep();
  ShowRecord();
  SetButtons();
}

void TAddressMain::SetOrderFromMenu(QAction* item) {
  book_.SetOrderTo(SortNameOfCaption(item->text()));
  RefreshAll();
}

void TAddressMain::SearchRecords() {
  if (BeepWhileEditing()) return;
  TSearchBox search(book_.checked_sort_item(), this);
  if (search.exec() != QDialog::Accepted || search.text().isEmpty()) return;
  book_.Search(search.order_name(), search.text());
  RefreshAll();
}

void TAddressMain::ChooseDate() {
  if (!book_.is_open() || (!book_.has_record() && !book_.editing())) return;
  TDateSelector selector(book_.Field(QStringLiteral("DATE")), this);
  if (selector.exec() != QDialog::Accepted) return;
  if (!book_.SetField(QStringLiteral("DATE"), selector.chosen_key())) QApplication::beep();
  ShowRecord();
  SetButtons();
}

}  // namespace vellumo
