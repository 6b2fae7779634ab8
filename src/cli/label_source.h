// What vellumo-cli labels prints: the stock and the design, from a label
// set-up of the home's LABEL.DBF with its design file, or from a catalogue
// stock with a design file or the default design.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "design/model/data_panel.h"
#include "label_request.h"
#include "labels/stock/stock_record.h"
#include "xbase/status.h"

namespace cli {

struct LabelSource {
  vellumo::Stock stock;
  // The page's work files live here and go with it.
  std::unique_ptr<QTemporaryDir> scratch;
  std::unique_ptr<vellumo::design::TGLabelPanel> page;
};

// NotFound naming what is missing: the set-up, its design file (with the
// message the label window gives), the stock or the --design file;
// InvalidArgument for a sheet with more positions than can be printed.
xbase::Status LoadLabelSource(const LabelRequest& request, LabelSource* source);

}  // namespace cli
