// Setting the shared printer up for a label stock before its job: the
// stock's paper and orientation are asked of the printer, the page it
// then reports is compared with the stock, and the user decides whether
// to print anyway when the paper cannot be confirmed.
#pragma once

#include <QString>

#include "labels/stock/stock_geometry.h"

namespace vellumo {

class SharedPrinter;

// Caption of the question asked when the paper cannot be confirmed.
inline constexpr char kPaperQuestionCaption[] = "Warning";

// Requests the stock's paper (unless `driver_name` may not be asked for
// a size) and orientation on `printer`, reads the page back and, when it
// is not the stock's or was not requested, asks the user. False when
// the user answers No: the job must not run.
bool SetUpLabelPaper(const StockGeometry& geometry, SharedPrinter& printer, const QString& driver_name);

}  // namespace vellumo
