// Finding a label stock of the delivered catalogue by its name, for the
// commands that size a page from a stock.
#pragma once

#include <string>
#include <string_view>

#include "labels/stock/stock_record.h"
#include "xbase/status.h"

namespace cli {

// The home's sysdata folder, ending in "/". `home` is --home, else
// $VELLUMO_HOME, else the executable's folder; empty for the default.
std::string SystemDataPath(const std::string& home);

// The catalogue the commands read: the home's sysdata/LBLTPL.DBF when it
// is there, else the delivered one. `home` as for SystemDataPath.
std::string StockCataloguePath(const std::string& home);

// Whether two descriptions name the same thing: case and trailing blanks
// do not count.
bool SameDescription(std::string_view a, std::string_view b);

// The stock whose DESCRIPT equals `name`, ignoring case and trailing
// blanks. NotFound naming the stock and the catalogue when there is none.
xbase::Status FindStock(const std::string& catalogue, const std::string& name, vellumo::Stock* stock);

}  // namespace cli
