// vellumo-cli info and check: a table's structure and the health of its tags.
#include <iomanip>
#include <ostream>

#include "arguments.h"
#include "commands.h"
#include "table_access.h"
#include "xbase/codepage.h"

namespace cli {

int InfoCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) return Fail(err, "usage: vellumo-cli info TABLE");
  std::unique_ptr<xbase::Table> table;
  s = OpenTable(a.positional[0], true, &table);
  if (!s.ok()) return Fail(err, s);
  out << "Table:   " << table->path() << "\n";
  out << "Records: " << table->RecCount() << "\n";
  out << "Fields:  " << table->schema().size() << "\n";
  for (const xbase::FieldDef& f : table->schema().fields()) {
    out << "  " << std::left << std::setw(11) << f.name << f.type << " " << std::right
        << std::setw(3) << f.length;
    if (f.decimals > 0) out << "," << static_cast<int>(f.decimals);
    out << "\n";
  }
  if (!table->index_status().ok()) {
    out << "Index:   not usable: " << table->index_status().message() << "\n";
  } else if (table->IndexName().empty()) {
    out << "Index:   none\n";
  } else {
    out << "Index:   " << table->IndexName() << ", " << table->TagCount()
        << (table->TagCount() == 1 ? " tag\n" : " tags\n");
    for (size_t area = 1; area <= table->TagCount(); ++area) {
      xbase::TagInfo tag = table->Tag(area);
      out << "  " << std::left << std::setw(11) << tag.name
          << xbase::Windows1252ToUtf8(tag.key_expression);
      if (!tag.for_expression.empty()) {
        out << " FOR " << xbase::Windows1252ToUtf8(tag.for_expression);
      }
      if (tag.descending) out << " DESCENDING";
      out << "\n";
    }
  }
  return kExitOk;
}

int CheckCommand(const Words& args, std::ostream& out, std::ostream& err) {
  Arguments a;
  xbase::Status s = ParseArguments(args, {}, {}, &a);
  if (!s.ok()) return Fail(err, s);
  if (a.positional.size() != 1) return Fail(err, "usage: vellumo-cli check TABLE");
  std::unique_ptr<xbase::Table> table;
  s = OpenTable(a.positional[0], true, &table);
  if (!s.ok()) return Fail(err, s);
  s = table->CheckIndexes();
  if (!s.ok()) {
    err << "vellumo-cli: " << s.message() << "\n";
    return kExitFault;
  }
  out << table->TagCount() << (table->TagCount() == 1 ? " tag matches " : " tags match ")
      << table->RecCount() << " records\n";
  return kExitOk;
}

}  // namespace cli
