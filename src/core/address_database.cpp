// Address database files: creation, opening, the index check and rebuild.
#include "core/address_database.h"

#include <cmath>

#include "core/address_layout.h"
#include "core/messages.h"

namespace vellumo {
namespace {

xbase::Env* EnvOrDefault(xbase::Env* env) { return env != nullptr ? env : xbase::Env::Default(); }

// Removes the table's index file, closing it first.
xbase::Status RemoveIndexFile(xbase::Table& table, xbase::Env* env) {
  const std::string index = table.IndexName();
  XBASE_RETURN_IF_ERROR(table.CloseIndexes());
  if (index.empty() || !env->FileExists(index)) return xbase::Status::OK();
  return env->RemoveFile(index);
}

xbase::Status RemoveIndexAndCreateTags(xbase::Table& table, xbase::Env* env) {
  XBASE_RETURN_IF_ERROR(RemoveIndexFile(table, env));
  return table.IndexTags(AddressTags());
}

const QString kNoIndexFiles = QStringLiteral("Unable to create index files");
const QString kFileCreationFailed = QStringLiteral("File creation failed");

}  // namespace

QStringList AddressFieldNames() {
  QStringList names;
  for (const AddressField& f : AddressFields()) names << QLatin1String(f.name);
  return names;
}

bool CreateAddressDatabase(const QString& path, const FieldLengths& lengths, const xbase::ProgressHook& progress,
                           xbase::Env* env) {
  env = EnvOrDefault(env);
  xbase::CreateOptions options;
  options.env = env;
  xbase::Status s = xbase::Table::Create(path.toStdString(), AddressFieldDefs(lengths.Corrected()), options);
  if (s.ok() && !env->FileExists(path.toStdString())) s = xbase::Status::NotFound(path.toStdString() + " was not made");
  if (!s.ok()) {
    ShowInformation(WithReason(QStringLiteral("Create failed"), s));
    return false;
  }
  std::unique_ptr<xbase::Table> table;
  QString error;
  if (!OpenTableFile(path, &table, {}, &error, env)) {
    // Tag creation on a table that did not open fails and says so.
    ShowInformation(kNoIndexFiles);
    ShowInformation(WithReason(kFileCreationFailed, error));
    return false;
  }
  table->SetProgressHook(progress);
  if (!CreateAddressIndexTags(*table, nullptr, env)) {
    // The reason was told with "Unable to create index files"; a failure to
    // close on top of it is told here.
    ShowInformation(WithReason(kFileCreationFailed, table->Close()));
    return false;
  }
  s = table->Close();
  if (!s.ok()) {
    ShowInformation(WithReason(kFileCreationFailed, s));
    return false;
  }
  return true;
}

bool CreateAddressIndexTags(xbase::Table& table, const xbase::ProgressHook& progress, xbase::Env* env) {
  if (progress) table.SetProgressHook(progress);
  const xbase::Status s = RemoveIndexAndCreateTags(table, EnvOrDefault(env));
  if (!s.ok()) {
    ShowInformation(WithReason(kNoIndexFiles, s));
    return false;
  }
  return true;
}

bool OpenTableFile(const QString& path, std::unique_ptr<xbase::Table>* table, const QStringList& required_fields,
                   QString* error, xbase::Env* env) {
  env = EnvOrDefault(env);
  table->reset();
  if (!env->FileExists(path.toStdString())) {
    const QString not_found = QStringLiteral("File ") + path + QStringLiteral(" not found");
    ShowInformation(not_found);
    if (error) *error = not_found;
    return false;
  }
  std::unique_ptr<xbase::Table> opened;
  xbase::OpenOptions options;
  options.env = env;
  xbase::Status s = xbase::Table::Open(path.toStdString(), options, &opened);
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
                            const std::function<void(int)>& gauge, xbase::Env* env) {
  RebuildGauge rule;
  auto tell = [&](const QString& text) {
    if (status) status(text);
  };
  auto show = [&](int position) {
    if (gauge) gauge(position);
  };
  tell(QStringLiteral("Cleaning out old deleted records"));
  xbase::Status s = RemoveIndexFile(table, EnvOrDefault(env));
  if (!s.ok()) {
    ShowInformation(WithReason(kNoIndexFiles, s));
    return false;
  }
  rule.StartPacking();
  show(0);
  table.SetProgressHook([&](xbase::ProgressPhase, int percent) { show(rule.Report(percent)); });
  s = table.Pack();
  if (!s.ok()) {
    table.SetProgressHook(nullptr);
    ShowInformation(QString::fromStdString(s.message()));
    return false;
  }
  tell(QStringLiteral("Rebuilding indexes"));
  rule.StartIndexing();
  const bool ok = CreateAddressIndexTags(table, nullptr, env);
  table.SetProgressHook(nullptr);
  return ok;
}

}  // namespace vellumo
