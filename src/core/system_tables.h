// The system's own tables in sysdata/: the letter, report, envelope and
// label set-up lists (created when missing), the label-stock catalogue and
// the city/state/ZIP table (delivered with the application).
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "xbase/table.h"

namespace vellumo {

enum class SystemTable { kLetter, kReport, kEnvelope, kLabel, kStock, kCityStateZip };

struct SystemTableInfo {
  SystemTable id;
  const char* file_name;   // "LETTER.DBF"
  const char* tag;         // its one tag
  const char* key;         // the tag's key expression
  bool created_when_missing;
  const char* open_failure_message;
};

const SystemTableInfo& InfoOf(SystemTable table);
// The fields of a table the system creates; empty for delivered tables.
std::vector<xbase::FieldDef> SystemTableFields(SystemTable table);

// Opens the table from sysdata/, creating the four set-up lists when
// missing and the table's tag when its index file is missing (a tag that
// cannot be made is told, and the table opens unordered). Shows the table's
// failure message ("Unable to Open or Create LETTER.DBF", ...) with the
// engine's reason and returns false when it cannot open it. The order is
// left natural; callers select tag 1. The files are reached through `env`,
// Env::Default() when null.
[[nodiscard]] bool OpenSystemTable(SystemTable table, std::unique_ptr<xbase::Table>* result,
                                   xbase::Env* env = nullptr);

[[nodiscard]] inline bool OpenLetterTable(std::unique_ptr<xbase::Table>* t) {
  return OpenSystemTable(SystemTable::kLetter, t);
}
[[nodiscard]] inline bool OpenReportTable(std::unique_ptr<xbase::Table>* t) {
  return OpenSystemTable(SystemTable::kReport, t);
}
[[nodiscard]] inline bool OpenEnvelopeTable(std::unique_ptr<xbase::Table>* t) {
  return OpenSystemTable(SystemTable::kEnvelope, t);
}
[[nodiscard]] inline bool OpenLabelTable(std::unique_ptr<xbase::Table>* t) {
  return OpenSystemTable(SystemTable::kLabel, t);
}
[[nodiscard]] inline bool OpenStockTable(std::unique_ptr<xbase::Table>* t) {
  return OpenSystemTable(SystemTable::kStock, t);
}
[[nodiscard]] inline bool OpenCityStateZipTable(std::unique_ptr<xbase::Table>* t) {
  return OpenSystemTable(SystemTable::kCityStateZip, t);
}

// The order and status texts of "Rebuild System Indexes".
struct SystemRebuildStep {
  SystemTable table;
  const char* status;
};
const std::vector<SystemRebuildStep>& SystemRebuildSteps();

// Rebuilds one table: deletes its index file, packs it and recreates its
// tag. False when the table does not exist (not reported) or the rebuild
// fails: the table is left closed and the user is told "Unable to rebuild
// " + file name with the engine's reason.
bool RebuildSystemTable(SystemTable table, const xbase::ProgressHook& progress, xbase::Env* env = nullptr);

}  // namespace vellumo
