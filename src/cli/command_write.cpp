// vellumo-cli index, append and pack: the commands that change a table.
#include <ostream>

#include "arguments.h"
#include "commands.h"
#include "csv.h"
#include "dbf_file.h"
#include "table_access.h"
#include "xbase/codepage.h"

namespace cli {
namespace {

// Rows appended between commits.
constexpr size_t kCommitEvery = 1000;

// Checks that every value fits its field before anything is written, so a
// bad file changes nothing.
xbase::Status ValidateRows(const xbase::Schema& schema, const std::vector<int>& columns,
                           const std::vector<CsvRow>& rows) {
  std::string scratch(schema.record_length(), ' ');
  for (size_t r = 1; r < rows.size(); ++r) {
    if (rows[r].size() != columns.size()) {
      return xbase::Status::InvalidArgument("row " + std::to_string(r + 1) + " has " +
                                            std::to_string(rows[r].size()) + " fields, the header " +
                                            std::to_string(columns.size()));
    }
    for (size_t c = 0; c < columns.size(); ++c) {
      const xbase::FieldDef& f = schema.field(static_cast<size_t>(columns[c]));
      if (xbase::DbfFile::IsMemoField(f)) continue;
      xbase::Status s = xbase::DbfFile::StoreText(f, xbase::Utf8ToWindows1252(rows[r][c]), scratch.data());
      if (!s.ok()) return s.WithContext("row " + std::to_string(r + 1) + ", field " + f.name);
    }
  }
  return xbase::Status::OK();
}

}  // namespace

int IndexCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() < 3 || a.positional.size() % 2 == 0) {
    return Fail(err, "usage: vellumo-cli index TABLE NAME EXPR [NAME EXPR ...]");
  }
  std::vector<xbase::TagSpec> specs;
  std::vector<std::string> names;
  for (size_t i = 1; i + 1 < a.positional.size(); i += 2) {
    specs.push_back(xbase::TagSpec{a.positional[i], xbase::Utf8ToWindows1252(a.positional[i + 1]), "", false});
    names.push_back(a.positional[i]);
  }
  std::unique_ptr<xbase::Table> table;
  s = OpenTable(a.positional[0], false, &table);
  if (!s.ok()) return Fail(err, s);
  table->SetProgressHook(TerminalProgress(names));
  s = table->IndexTags(specs);
  if (s.ok()) s = table->Close();
  EndProgress();
  if (!s.ok()) return Fail(err, s);
  out << specs.size() << (specs.size() == 1 ? " tag" : " tags") << " written\n";
  return kExitOk;
}

int AppendCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 2) return Fail(err, "usage: vellumo-cli append TABLE CSVFILE");
  std::string text;
  s = ReadFile(a.positional[1], &text);
  if (!s.ok()) return Fail(err, s);
  std::vector<CsvRow> rows;
  s = ParseCsv(text, &rows);
  if (!s.ok()) return Fail(err, s.WithContext(a.positional[1]));
  if (rows.empty()) return Fail(err, a.positional[1] + " has no header line");

  std::unique_ptr<xbase::Table> table;
  s = OpenTable(a.positional[0], false, &table);
  if (!s.ok()) return Fail(err, s);
  std::vector<int> columns;
  for (const std::string& name : rows[0]) {
    int i = table->FieldIndex(name);
    if (i < 0) return Fail(err, "the table has no field named \"" + name + "\"");
    columns.push_back(i);
  }
  s = ValidateRows(table->schema(), columns, rows);
  if (!s.ok()) return Fail(err, s.WithContext(a.positional[1]));
  for (size_t r = 1; r < rows.size() && s.ok(); ++r) {
    s = table->AppendBlank();
    for (size_t c = 0; c < columns.size() && s.ok(); ++c) {
      const xbase::FieldDef& f = table->schema().field(static_cast<size_t>(columns[c]));
      s = table->Replace(f.name, xbase::Utf8ToWindows1252(rows[r][c]));
    }
    if (s.ok() && r % kCommitEvery == 0) s = table->Commit();
  }
  if (s.ok()) s = table->Close();
  if (!s.ok()) return Fail(err, s);
  out << rows.size() - 1 << " records appended\n";
  return kExitOk;
}

int PackCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) return Fail(err, "usage: vellumo-cli pack TABLE");
  std::unique_ptr<xbase::Table> table;
  s = OpenTable(a.positional[0], false, &table);
  if (!s.ok()) return Fail(err, s);
  uint32_t before = table->RecCount();
  std::vector<std::string> names;
  for (size_t area = 1; area <= table->TagCount(); ++area) names.push_back(table->Tag(area).name);
  table->SetProgressHook(TerminalProgress(names));
  s = table->Pack();
  uint32_t after = table->RecCount();
  if (s.ok()) s = table->Close();
  EndProgress();
  if (!s.ok()) return Fail(err, s);
  out << before - after << " deleted records removed, " << after << " remain\n";
  return kExitOk;
}

}  // namespace cli
