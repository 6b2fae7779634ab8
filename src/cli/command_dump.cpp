// vellumo-cli dump and count: the records a user sees, as CSV or a number.
#include <ostream>
#include <sstream>

#include "arguments.h"
#include "commands.h"
#include "csv.h"
#include "dbf_file.h"
#include "table_access.h"
#include "xbase/codepage.h"

namespace cli {
namespace {

// Opens the table read-only with the order and filter of the arguments.
xbase::Status PrepareView(const Arguments& a, std::unique_ptr<xbase::Table>* table) {
  XBASE_RETURN_IF_ERROR(OpenTable(a.positional[0], true, table));
  xbase::Table& t = **table;
  t.SetDeleted(!a.Has("all"));
  if (a.HasValue("order")) {
    int area = t.TagArea(a.Value("order"));
    if (area == 0) {
      return xbase::Status::NotFound("the table has no tag named " + a.Value("order"));
    }
    XBASE_RETURN_IF_ERROR(t.SetOrder(area));
  }
  if (a.HasValue("filter")) {
    XBASE_RETURN_IF_ERROR(t.SetFilter(xbase::Utf8ToWindows1252(a.Value("filter"))));
  }
  return t.GoTop();
}

std::string ValueOf(xbase::Table& t, const xbase::FieldDef& f, xbase::Status* status) {
  std::string value;
  if (xbase::DbfFile::IsMemoField(f)) {
    *status = t.GetMemo(f.name, &value);
  } else {
    value = t.GetString(f.name);
    value.erase(value.find_last_not_of(' ') + 1);
    value.erase(0, value.find_first_not_of(' ') == std::string::npos
                       ? value.size()
                       : value.find_first_not_of(' '));
  }
  return xbase::Windows1252ToUtf8(value);
}

}  // namespace

int DumpCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {"order", "filter", "fields"}, {"all"}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) {
    return Fail(err, "usage: vellumo-cli dump TABLE [--order TAG] [--filter EXPR] [--fields A,B] [--all]");
  }
  std::unique_ptr<xbase::Table> table;
  s = PrepareView(a, &table);
  if (!s.ok()) return Fail(err, s);
  std::vector<xbase::FieldDef> fields;
  if (a.HasValue("fields")) {
    std::stringstream names(a.Value("fields"));
    for (std::string name; std::getline(names, name, ',');) {
      int i = table->FieldIndex(name);
      if (i < 0) return Fail(err, "the table has no field named " + name);
      fields.push_back(table->schema().field(static_cast<size_t>(i)));
    }
  } else {
    fields = table->schema().fields();
  }
  CsvRow header;
  for (const xbase::FieldDef& f : fields) header.push_back(f.name);
  out << CsvLine(header);
  for (; s.ok() && !table->Eof(); s = table->Skip(1)) {
    CsvRow row;
    for (const xbase::FieldDef& f : fields) {
      row.push_back(ValueOf(*table, f, &s));
      if (!s.ok()) return Fail(err, s.WithContext("record " + std::to_string(table->RecNo())));
    }
    out << CsvLine(row);
  }
  if (!s.ok()) return Fail(err, s);
  return kExitOk;
}

int CountCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {"filter"}, {"all"}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) {
    return Fail(err, "usage: vellumo-cli count TABLE [--filter EXPR] [--all]");
  }
  std::unique_ptr<xbase::Table> table;
  s = PrepareView(a, &table);
  if (!s.ok()) return Fail(err, s);
  uint32_t count = 0;
  s = table->QueryRecCount(&count);
  if (!s.ok()) return Fail(err, s);
  out << count << "\n";
  return kExitOk;
}

}  // namespace cli
