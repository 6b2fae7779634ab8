// Printing or previewing labels, as the label windows start it: the
// stock's paper on the shared printer (and the question when it cannot
// be confirmed), the run in its status window TLabelPrinter, then for a
// preview the preview window "Preview Labels" in page-width zoom.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "labels/setup/sheet_position_mask.h"
#include "labels/stock/stock_geometry.h"

class QWidget;

namespace xbase {
class Table;
}

namespace vellumo {
namespace design {
class TGLabelPanel;
}

struct LabelJobRequest {
  design::TGLabelPanel* design = nullptr;
  // Positioned on the first record to print, record choice and order in force.
  xbase::Table* table = nullptr;
  StockGeometry geometry;
  SheetPositionMask mask;
  int copies = 1;
  bool presort = false;
  std::vector<std::string> presort_lines;
  std::vector<uint32_t> unsorted_records;
  uint64_t records_chosen = 0;
  bool preview = false;
  // On the built-in PDF printer, the file to print to; empty: the one the
  // print dialog named, else the user is asked.
  QString pdf_file;
};

// Returns false when nothing was printed: the paper question answered
// No, the job refused or cancelled.
bool RunLabelJob(const LabelJobRequest& request, QWidget* parent);

}  // namespace vellumo
