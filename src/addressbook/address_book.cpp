// The open database and its lifecycle: start-up, opening with the index
// check, creating new databases, closing.
#include "addressbook/address_book.h"

#include "addressbook/database_names.h"
#include "core/address_database.h"
#include "core/messages.h"
#include "core/recent_files.h"
#include "core/tag_id.h"

namespace vellumo {

AddressBook::AddressBook()
    : rebuilder_([this](xbase::Table& table) {
        return RebuildAddressDatabase(table, [](const QString&) {}, [](int) {}, env_);
      }) {}

AddressBook::~AddressBook() { Close(); }

void AddressBook::LoadPreferences() {
  prefs_ = AddingPreferences::Load();
  QString error;
  tag_id_ = CurrentTagId(&error);
  if (!error.isEmpty()) ShowInformation(WithReason(QStringLiteral("Unable to save the tag id"), error));
}

QString AddressBook::caption() const {
  return path_.isEmpty() ? QStringLiteral("Vellumo") : QStringLiteral("Vellumo - ") + path_;
}

bool AddressBook::Start() {
  conditions_.Clear();
  filter_expression_.clear();
  LoadPreferences();
  const QStringList recent = ReadRecentFiles();
  if (!recent.isEmpty()) return Open(recent.first());
  const QString first = FirstDatabasePath();
  if (!env_->FileExists(first.toStdString()) && !CreateAddressDatabase(first, ReadFieldLengths(), nullptr, env_)) {
    return false;
  }
  return Open(first);
}

bool AddressBook::OpenTable(const QString& path) {
  QString reason;
  if (!OpenTableFile(path, &table_, AddressFieldNames(), &reason, env_)) {
    ShowInformation(WithReason(QStringLiteral("Unable to open ") + path + QStringLiteral("\r\n\r\n") +
                                   QStringLiteral(" * May not be ") + QStringLiteral("a Vellumo") +
                                   QStringLiteral(" file.") + QStringLiteral("\r\n") +
                                   QStringLiteral(" * May be in use by another program or user"),
                               reason));
    return false;
  }
  if (IsValidAddressIndex(*table_)) return true;
  if (AskYesNo(QStringLiteral("The index file for ") + path + QStringLiteral("\r") + QStringLiteral("\n") +
                   QStringLiteral("is missing or invalid. Rebuild now?"),
               QStringLiteral("Warning")) &&
      rebuilder_(*table_) && IsValidAddressIndex(*table_)) {
    return true;
  }
  Close();
  return false;
}

bool AddressBook::Open(const QString& path) {
  if (path.isEmpty()) return false;
  Close();
  const bool opened = OpenTable(path);
  if (opened) {
    SetOrderTo(QStringLiteral("Last Name"));
    ApplyFilter();
    First();
    RecordRecentFile(path);
    path_ = path;
  } else {
    order_tag_.clear();
    path_.clear();
  }
  memo_found_ = false;
  return opened;
}

bool AddressBook::OpenChosenFile(const QString& path) {
  if (!IsDbfFileName(path)) {
    ShowInformation(QStringLiteral("Must be a DBF file"));
    return false;
  }
  return Open(path);
}

bool AddressBook::OpenRecentFile(const QString& path) {
  const QString previous = path_;
  if (Open(path)) return true;
  if (!previous.isEmpty()) Open(previous);
  return false;
}

bool AddressBook::CreateNew(const QString& name, const FieldLengths& lengths) {
  const QString path = DatabasePathForName(name);
  if (env_->FileExists(path.toStdString())) {
    ShowInformation(QStringLiteral("That file already exists.Please select another name"));
    return false;
  }
  if (!CreateAddressDatabase(path, lengths, nullptr, env_)) return false;
  return Open(path);
}

void AddressBook::Close() {
  if (!table_) return;
  Cancel();
  xbase::Status s = table_->Close();
  table_.reset();
  if (!s.ok()) ShowInformation(QString::fromStdString(s.message()));
}

bool AddressBook::Check(const xbase::Status& status) const {
  if (status.ok()) return true;
  ShowInformation(QString::fromStdString(status.message()));
  return false;
}

}  // namespace vellumo
