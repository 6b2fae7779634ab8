// Drawing one design with one record into a PDF or PNG file, the way the
// design prints: the page bound to the table's record, printing, every
// object through PrintObjects.
#pragma once

#include <QSizeF>
#include <string>

#include "xbase/status.h"

namespace cli {

enum class DesignPageKind { kLabel, kEnvelope };

struct RenderRequest {
  std::string design_file;
  DesignPageKind kind = DesignPageKind::kLabel;
  QSizeF page_inches;        // the paper, one label or envelope
  std::string shape;         // a stock's outline code ("RR", "SR", "EL"), or empty
  std::string table;
  uint32_t record = 1;
  std::string output;
  bool png = false;          // else PDF
  double dpi = 300;
};

// The page kind of a design file by its name: ".L" label, ".E" envelope.
// InvalidArgument for a report design or any other name.
xbase::Status PageKindOfFile(const std::string& path, DesignPageKind* kind);

// Renders the request; a clear reason on any failure, and no output file
// then (an earlier file of that name stays as it was).
xbase::Status RenderDesign(const RenderRequest& request);

}  // namespace cli
