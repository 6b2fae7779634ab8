// Address database files: creation, opening, the index check and rebuild.
#include "core/address_database.h"

#include <QFileInfo>
#include <cmath>

#include "core/address_layout.h"
#include "core/messages.h"

namespace vellumo {
namespace {

QString Local(const std::string& path) { return QString::fromStdString(path); }

// Removes the table's index file, closing it first.
bool RemoveIndexFile(xbase::Table& table) {
  std::string index = table.IndexName();
  if (!table.CloseIndexes().ok()) return false;
  if (!index.empty() && QFileInfo::exists(Local(index))) return QFile::remove(Local(index));
  return true;
}

}  // namespace

QStringList AddressFieldNames() {
  QStringList names;
  for (const AddressField& f : AddressFields()) names << QLatin1String(f.name);
  return names;
}

bool CreateAddressDatabase(const QString& path, const FieldLengths& lengths,
                           const xbase::ProgressHook& progress) {
  xbase::Status s = xbase::Table::Create(path.toStdString(), AddressFieldDefs(lengths.Corrected()));
  if (!s.ok() || !QFileInfo::exists(path)) {
    ShowInformation(QStringLiteral("Create failed"));
    return false;
  }
  std::unique_ptr<xbase::Table> table;
  bool opened = OpenTableFile(path, &table);
  if (opened) table->SetProgressHook(progress);
  // Tag creation on a table that did not open fails and says so.
  if (!opened || !CreateAddressIndexTags(*table)) {
    if (opened) {
      (void)table->Close();
    } else {
      ShowInformation(QStringLiteral("Unable to create index files"));
    }
    ShowInformation(QStringLiteral("File creation failed"));
    return false;
  }
  if (!table->Close().ok()) {
    ShowInformation(QStringLiteral("File creation failed"));
    return false;
  }
  return true;
}

bool CreateAddressIndexTags(xbase::Table& table, const xbase::ProgressHook& progress) {
  if (progress) table.SetProgressHook(progress);
  if (!RemoveIndexFile(table) || !table.IndexTags(AddressTags()).ok()) {
    ShowInformation(QStringLiteral("Unable to create index files"));
    return false;
  }
  return true;
}

bool OpenTableFile(const QString& path, std::unique_ptr<xbase::Table>* table,
                   const QStringList& required_fields, QString* error) {
  table->reset();
  if (!QFileInfo::exists(path)) {
    ShowInformation(QStringLiteral("File ") + path + QStringLiteral(" not found"));
    if (error) *error = QStringLiteral("File ") + path + QStringLiteral(" not found");
    return false;
  }
  std::unique_ptr<xbase::Table> opened;
  xbase::Status s = xbase::Table::Open(path.toStdString(), xbase::OpenOptions{}, &opened);
  if (!s.ok()) {
    if (error) *error = QString::fromStdString(s.message());
    return false;
  }
  for (const QString& field : required_fields) {
    if (opened->FieldIndex(field.toStdString()) < 0) {
      if (error) *error = path + QStringLiteral(" has no field ") + field;
      return false;
    }
  }
  *table = std::move(opened);
  return true;
}

bool IsValidAddressIndex(const xbase::Table& table) {
  for (const char* tag : RequiredAddressTags()) {
    if (table.TagArea(tag) == 0) return false;
  }
  return true;
}

void RebuildGauge::StartPacking() {
  indexing_ = false;
  position_ = 0;
}

void RebuildGauge::StartIndexing() {
  indexing_ = true;
  last_ = 0;
  total_ = 0;
}

int RebuildGauge::Report(int percent) {
  if (!indexing_) {
    position_ = percent;
    return position_;
  }
  if (percent > last_) total_ += percent - last_;
  last_ = percent;
  // Each tag adds up to 100 to the total; over 21 the gauge fills before
  // the last of the 26 tags and then stays full.
  position_ = std::min(100, static_cast<int>(std::lround(total_ / 21.0)));
  return position_;
}

bool RebuildAddressDatabase(xbase::Table& table, const std::function<void(const QString&)>& status,
                            const std::function<void(int)>& gauge) {
  RebuildGauge rule;
  auto tell = [&](const QString& text) {
    if (status) status(text);
  };
  auto show = [&](int position) {
    if (gauge) gauge(position);
  };
  tell(QStringLiteral("Cleaning out old deleted records"));
  if (!RemoveIndexFile(table)) return false;
  rule.StartPacking();
  show(0);
  table.SetProgressHook([&](xbase::ProgressPhase, int percent) { show(rule.Report(percent)); });
  xbase::Status s = table.Pack();
  if (!s.ok()) {
    table.SetProgressHook(nullptr);
    ShowInformation(QString::fromStdString(s.message()));
    return false;
  }
  tell(QStringLiteral("Rebuilding indexes"));
  rule.StartIndexing();
  bool ok = CreateAddressIndexTags(table);
  table.SetProgressHook(nullptr);
  return ok;
}

}  // namespace vellumo
