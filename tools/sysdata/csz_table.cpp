// Record layout of CSZ.DBF.
#include "csz_table.h"

#include "table_writer.h"
#include "xbase/codepage.h"

namespace sysdata {

xbase::Status WriteCszTable(xbase::Env* env, const std::string& path,
                            const std::vector<PostalRange>& ranges) {
  using xbase::field_type::kCharacter;
  const std::vector<xbase::FieldDef> fields = {
      {"NAME", kCharacter, kRegionNameWidth, 0},
      {"STATE", kCharacter, 4, 0},
      {"LOW_ZIP", kCharacter, 10, 0},
      {"HIGH_ZIP", kCharacter, 10, 0},
  };
  std::vector<TableRow> rows;
  for (const PostalRange& r : ranges) {
    rows.push_back({xbase::Utf8ToWindows1252(r.name), r.state, r.low, r.high});
  }
  return WriteTable(env, path, fields, rows, xbase::TagSpec{"STATE", "UPPER(state)", "", false});
}

}  // namespace sysdata
