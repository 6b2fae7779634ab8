// Navigation and the editing state machine: browse, edit, insert.
#include "addressbook/address_book.h"

#include <QDate>

#include "core/address_layout.h"
#include "core/messages.h"
#include "core/text_codec.h"

namespace vellumo {
namespace {

// Pads or cuts `text` to `width` characters.
QString Fitted(const QString& text, int width) { return text.leftJustified(width, QLatin1Char(' '), true); }

int FieldWidth(const xbase::Table& table, const char* field) {
  int index = table.FieldIndex(field);
  return index < 0 ? 0 : static_cast<int>(table.schema().field(index).length);
}

}  // namespace

bool AddressBook::has_record() const { return table_ && !table_->Eof(); }

bool AddressBook::GoTo(uint32_t recno) {
  if (!table_ || editing() || !Check(table_->Go(recno))) return false;
  if (CurrentIsVisible()) return true;
  Check(table_->GoTop());
  return false;
}

bool AddressBook::First() { return table_ && Check(table_->GoTop()) && has_record(); }

bool AddressBook::Last() { return table_ && Check(table_->GoBottom()) && has_record(); }

bool AddressBook::Next() {
  if (!has_record() || !Check(table_->Skip(1))) return false;
  if (!table_->Eof()) return true;
  Check(table_->GoBottom());
  return false;
}

bool AddressBook::Previous() {
  if (!has_record() || !Check(table_->Skip(-1))) return false;
  return !table_->Bof();
}

AddressRecord AddressBook::CurrentRecord() const {
  if (editing()) return pending_;
  AddressRecord record;
  if (!has_record()) return record;
  const xbase::Status s = ReadAddressRecord(*table_, &record);
  if (!s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Unable to read record ") + QString::number(table_->RecNo()), s));
  }
  return record;
}

bool AddressBook::CurrentIsTagged() const {
  if (editing()) return !pending_.tag.isEmpty() && pending_.tag == tag_id_;
  return has_record() && IsTagged(ReaderOf(*table_), tag_id_);
}

bool AddressBook::Edit() {
  if (editing()) return true;
  if (!has_record()) return false;
  if (!Check(ReadAddressRecord(*table_, &pending_))) return false;
  mode_ = Mode::kEdit;
  return true;
}

bool AddressBook::SetField(const QString& field, const QString& value) {
  if (!AddressRecord::IsTextField(field) || !Edit()) return false;
  pending_.Set(field, value);
  pending_.UpperCaseMiddleInitial();
  return true;
}

bool AddressBook::SetMemo(const QString& memo) {
  if (!Edit()) return false;
  pending_.memo = memo;
  return true;
}

bool AddressBook::LookUpCityState(const QString& zip, QString* city, QString* state) {
  const QString order = order_tag_;
  const uint32_t remembered = table_->RecNo();
  const bool was_exact = table_->exact();
  SetCurrentOrder(QStringLiteral("ZIP"));
  table_->SetExact(false);
  const bool found = Check(table_->Seek(ToTable(zip.toUpper()))) && table_->Found();
  if (found) {
    *city = FromTable(table_->GetTrimString("CITY"));
    *state = FromTable(table_->GetTrimString("STATE"));
  }
  table_->SetExact(was_exact);
  SetCurrentOrder(order);
  Check(table_->Go(remembered));
  return found;
}

bool AddressBook::IsPossibleDuplicate(const QString& first, const QString& last) {
  const QString order = order_tag_;
  const bool was_exact = table_->exact();
  const QString key =
      (Fitted(last, FieldWidth(*table_, "LNAME")) + Fitted(first, FieldWidth(*table_, "FNAME"))).toUpper();
  SetCurrentOrder(QStringLiteral("LNAME"));
  table_->SetExact(true);
  const bool found = Check(table_->Seek(ToTable(key))) && table_->Found();
  table_->SetExact(was_exact);
  SetCurrentOrder(order);
  if (!found) return false;
  if (beeper_) beeper_();
  const FieldReader field = ReaderOf(*table_);
  const QString text = QStringLiteral("Possible duplicate: \r\n\r\n") + field("FNAME") + QLatin1Char(' ') +
                       field("LNAME") + QStringLiteral("\r\n") + field("STREET") + QStringLiteral("\r\n") +
                       field("CITY") + QLatin1Char(',') + field("STATE") + QLatin1Char(' ') + field("ZIP") +
                       QStringLiteral("\r\n") + QStringLiteral("\r\n") + QStringLiteral("Continue adding?");
  return !AskYesNoDefaultNo(text, QStringLiteral("Possible Duplicate"));
}

AddressBook::AddResult AddressBook::Add(const NewRecordRequest& request) {
  if (!table_ || editing()) return AddResult::kFailed;
  const AddressRecord previous = CurrentRecord();
  const uint32_t remembered = table_->RecNo();
  QString city, state;
  if (!request.zip.isEmpty() && prefs_.plug_city_state) LookUpCityState(request.zip, &city, &state);
  if (!request.first_name.isEmpty() && !request.last_name.isEmpty() &&
      IsPossibleDuplicate(request.first_name, request.last_name)) {
    return AddResult::kDuplicateDeclined;
  }
  if (!Check(table_->Go(remembered))) return AddResult::kFailed;
  AddressRecord carried_from = previous;
  if (!prefs_.carry_country) carried_from.Set(QStringLiteral("COUNTRY"), QString());
  pending_ = NewRecordValues(prefs_, carried_from, request, city, state, QDate::currentDate());
  record_before_insert_ = remembered;
  mode_ = Mode::kInsert;
  return AddResult::kAdding;
}

QString AddressBook::FocusFieldForNewRecord() const { return FirstFocusField(prefs_, pending_); }

bool AddressBook::Save() {
  if (!editing()) return false;
  AddressRecord record = pending_;
  record.UpperCaseMiddleInitial();
  record.memo = MemoForSaving(record.memo);
  if (mode_ == Mode::kInsert) {
    if (!Check(table_->AppendBlank()) || !Check(table_->ReplaceLogical("ISDEL", false))) return false;
  }
  if (!Check(WriteAddressRecord(*table_, record)) || !Check(table_->Commit())) return false;
  mode_ = Mode::kBrowse;
  DropFilterIfEmpty();
  return true;
}

void AddressBook::Cancel() {
  const bool inserting = mode_ == Mode::kInsert;
  mode_ = Mode::kBrowse;
  if (inserting) Check(table_->Go(record_before_insert_));
}

bool AddressBook::Delete() {
  if (!has_record() || editing()) return false;
  if (!AskYesNo(QStringLiteral("Delete this record?"), QStringLiteral("DELETE"))) return false;
  table_->SetDeleted(false);
  const bool deleted = Check(table_->Delete()) && Check(table_->ReplaceLogical("ISDEL", true)) &&
                       Check(table_->Commit());
  table_->SetDeleted(true);
  if (!deleted) return false;
  Check(table_->Skip(-1));
  DropFilterIfEmpty();
  if (!CurrentIsVisible()) Check(table_->GoTop());
  return true;
}

bool AddressBook::SaveAndAskAddAnother() {
  return Save() && AskYesNo(QStringLiteral("Add another record?"), QStringLiteral("Add"));
}

bool AddressBook::AskSaveChanges() {
  return editing() && AskYesNo(QStringLiteral("Save changes?"), QStringLiteral("Save")) && Save();
}

bool AddressBook::AskCancelChanges() {
  if (!editing() || !AskYesNo(QStringLiteral("Cancel changes?"), QStringLiteral("Cancel"))) return false;
  Cancel();
  return true;
}

CommandState AddressBook::Commands() const {
  BookState state;
  state.open = is_open();
  state.editing = editing();
  state.records = has_record();
  state.filter_set = filter_set();
  state.memo_found = memo_found_;
  return CommandsFor(state);
}

}  // namespace vellumo
