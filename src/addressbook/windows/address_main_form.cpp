// Showing the current record and the state of the commands, and passing
// the user's typing to the address book.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>

#include "addressbook/adding_rules.h"
#include "addressbook/windows/address_main.h"
#include "addressbook/windows/field_edit.h"
#include "core/date_keys.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

// Commands whose windows are not part of this version; they stay disabled.
}  // namespace

FieldEdit* TAddressMain::field_edit(const QString& field) const {
  for (const FormField& f : fields_) {
    if (QLatin1String(f.field) == field) return f.edit;
  }
  return nullptr;
}

void TAddressMain::ShowRecord() {
  loading_ = true;
  const AddressRecord record = book_.CurrentRecord();
  for (const FormField& f : fields_) {
    const QString value = record.Get(QLatin1String(f.field));
    if (f.edit->text() != value) f.edit->setText(value);
  }
  date_display_->setText(DisplayDateKey(record.Get(QStringLiteral("DATE"))));
  tagged_->setChecked(book_.CurrentIsTagged());
  if (memo_->toPlainText() != record.memo) memo_->setPlainText(record.memo);
  loading_ = false;
}

void TAddressMain::ApplyFieldWidths() {
  const xbase::Table* table = book_.table();
  for (const FormField& f : fields_) {
    const int index = table ? table->FieldIndex(f.field) : -1;
    f.edit->setMaxLength(index >= 0 ? table->schema().field(static_cast<size_t>(index)).length : 32767);
  }
}

void TAddressMain::SetButtons() {
  const CommandState c = book_.Commands();
  edit_menu_->setEnabled(c.edit_menu);
  sort_menu_->setEnabled(c.sort_menu);
  print_menu_->setEnabled(c.print_menu);
  utilities_menu_->setEnabled(c.utilities_menu);
  record_menu_->setEnabled(c.record_menu);
  file_menu_->setEnabled(c.file_menu);
  for (const MainCommandSpec& command : MainCommands()) {
    if (QAction* item = action(command.id)) item->setEnabled(MenuItemEnabled(command, c));
    if (QPushButton* b = button(command.id)) {
      b->setEnabled(ButtonEnabled(command, c));
      b->setVisible(ButtonVisible(command, c));
    }
  }
  tagged_->setEnabled(book_.has_record() || book_.editing());

  body_->setCurrentWidget(book_.is_open() ? form_ : no_database_);
  PlaceFocus();
  sort_status_->setText(book_.is_open() ? book_.sort_status() : QString());
  filter_status_->setText(book_.FilterStatus());
  filter_status_->setVisible(book_.is_open());
  setWindowTitle(book_.caption());
}

void TAddressMain::SetSkipFields(bool on) {
  const QStringList skipped = on ? SkippedFields(book_.preferences()) : QStringList();
  for (const FormField& f : fields_) {
    f.edit->setFocusPolicy(skipped.contains(QLatin1String(f.field)) ? Qt::ClickFocus : Qt::StrongFocus);
  }
  // The date is set through its button, which the date's setting skips.
  button(MainCommand::kChooseDate)
      ->setFocusPolicy(skipped.contains(QStringLiteral("DATE")) ? Qt::ClickFocus : Qt::StrongFocus);
}

void TAddressMain::FieldEdited(const QString& field, const QString& text) {
  if (loading_) return;
  const bool was_editing = book_.editing();
  if (!book_.SetField(field, text)) {
    ShowRecord();
    return;
  }
  if (!was_editing) SetButtons();
}

void TAddressMain::MemoChanged() {
  if (loading_) return;
  const bool was_editing = book_.editing();
  if (!book_.SetMemo(memo_->toPlainText())) {
    ShowRecord();
    return;
  }
  if (!was_editing) SetButtons();
}

void TAddressMain::StartEditingOnRequest() {
  if (book_.editing() || !book_.Commands().edit) return;
  if (book_.Edit()) SetButtons();
}

void TAddressMain::FocusField(const QString& field) {
  if (FieldEdit* edit = field_edit(field)) {
    edit->setFocus();
    edit->selectAll();
  }
}

void TAddressMain::PlaceFocus() {
  if (!book_.is_open()) return;
  if (book_.editing()) {
    if (!FocusInFieldEdit()) FocusField(QStringLiteral("LNAME"));
    return;
  }
  const QWidget* focus = focusWidget();
  if (focus == nullptr || !focus->isVisibleTo(this) || !focus->isEnabled()) FocusField(QStringLiteral("LNAME"));
}

void TAddressMain::FocusAfterEditing() {
  // The button pressed to end the edit is hidden now.
  if (!book_.editing() && !FocusInFieldEdit()) FocusField(QStringLiteral("LNAME"));
}

bool TAddressMain::FocusInFieldEdit() const {
  // The window's own focus widget, so that the answer holds while another
  // window is active.
  const QWidget* focus = focusWidget();
  if (focus == memo_) return true;
  for (const FormField& f : fields_) {
    if (f.edit == focus) return true;
  }
  return false;
}

}  // namespace vellumo
