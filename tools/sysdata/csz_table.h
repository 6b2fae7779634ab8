// The states and their postal ranges as a table: CSZ.DBF with tag STATE.
#pragma once

#include <string>
#include <vector>

#include "postal_ranges.h"
#include "xbase/env.h"
#include "xbase/status.h"

namespace sysdata {

// Rows in the order given, so that each state's first range is the first
// record the STATE tag finds for it.
xbase::Status WriteCszTable(xbase::Env* env, const std::string& path,
                            const std::vector<PostalRange>& ranges);

}  // namespace sysdata
