// Creating, opening, checking and rebuilding address databases. Failures are
// told to the user through the Messenger, with the application's wording.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "core/field_lengths.h"
#include "xbase/env.h"
#include "xbase/table.h"

namespace vellumo {

// Every operation here reaches the files through `env`, Env::Default() when
// null, so that tests can make reads and writes fail.

// Creates the database file with the address layout (these widths) and its
// 26 tags, and leaves it closed. "Create failed", "Unable to create index
// files", "File creation failed", each with the reason on a second line.
[[nodiscard]] bool CreateAddressDatabase(const QString& path, const FieldLengths& lengths,
                                         const xbase::ProgressHook& progress = nullptr,
                                         xbase::Env* env = nullptr);

// Deletes the table's index file, if it has one, and creates the 26 tags.
// "Unable to create index files" with the reason on failure.
[[nodiscard]] bool CreateAddressIndexTags(xbase::Table& table, const xbase::ProgressHook& progress = nullptr,
                                          xbase::Env* env = nullptr);

// Opens any DBF by path, exclusively. "File <path> not found" when it does
// not exist. When `required_fields` is given, a file lacking one of them is
// not opened (no message: the caller reports it). Failures close the table
// and return false with the reason in *error.
[[nodiscard]] bool OpenTableFile(const QString& path, std::unique_ptr<xbase::Table>* table,
                                 const QStringList& required_fields = {}, QString* error = nullptr,
                                 xbase::Env* env = nullptr);
// The stored address fields, for OpenTableFile.
QStringList AddressFieldNames();

// All 26 tags are present.
bool IsValidAddressIndex(const xbase::Table& table);

// Tells how far a rebuild has got, in the gauge's terms: while packing, the
// reported percentage; while indexing, a running total of each tag's rise
// divided by 21, at most 100.
class RebuildGauge {
 public:
  void StartPacking();
  void StartIndexing();
  // Takes a report from the engine; returns the gauge's new position.
  int Report(int percent);
  int position() const { return position_; }

 private:
  bool indexing_ = false;
  int last_ = 0;
  int total_ = 0;
  int position_ = 0;
};

// The steps of "Reindex" for an open address database: pack, then recreate
// the tags. `status` gets "Cleaning out old deleted records" and "Rebuilding
// indexes"; `gauge` each new gauge position. Failures are told to the
// user with the engine's reason.
[[nodiscard]] bool RebuildAddressDatabase(xbase::Table& table, const std::function<void(const QString&)>& status,
                                          const std::function<void(int)>& gauge, xbase::Env* env = nullptr);

}  // namespace vellumo
