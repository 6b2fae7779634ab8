// One row of the label-stock catalogue (LBLTPL.DBF): the application's
// stock record. Text in Windows-1252, the tables' code page, already cut
// to field widths.
#pragma once

#include "labels/stock/stock_record.h"

namespace sysdata {

using Stock = vellumo::Stock;
inline constexpr size_t kDescriptionWidth = vellumo::kStockDescriptionWidth;
inline constexpr size_t kMakerWidth = vellumo::kStockMakerWidth;

}  // namespace sysdata
