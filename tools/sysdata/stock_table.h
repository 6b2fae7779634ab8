// The label-stock catalogue as a table: LBLTPL.DBF with tag DESCRIPT.
#pragma once

#include <string>
#include <vector>

#include "stock.h"
#include "xbase/env.h"
#include "xbase/status.h"

namespace sysdata {

xbase::Status WriteStockTable(xbase::Env* env, const std::string& path,
                              const std::vector<Stock>& stocks);

}  // namespace sysdata
