// Writes a complete system table through the engine: a new DBF with the
// given fields and rows and a structural index with one tag.
#pragma once

#include <string>
#include <vector>

#include "xbase/env.h"
#include "xbase/field.h"
#include "xbase/status.h"
#include "xbase/table.h"

namespace sysdata {

// One value per field, in field order, as text the DBF layer accepts
// (Windows-1252; numbers as decimal text).
using TableRow = std::vector<std::string>;

// Replaces any table at `path` and its index. On failure the half-written
// files are removed, so that a build never picks up a partial table.
xbase::Status WriteTable(xbase::Env* env, const std::string& path,
                         const std::vector<xbase::FieldDef>& fields, const std::vector<TableRow>& rows,
                         const xbase::TagSpec& tag);

}  // namespace sysdata
