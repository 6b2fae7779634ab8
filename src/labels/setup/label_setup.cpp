// Reading and writing a label set-up row. The stock's own fields are those
// of the catalogue; the set-up adds its name, the stock's name and the
// design file.
#include "labels/setup/label_setup.h"

#include <string>
#include <vector>

#include "labels/setup/design_file_names.h"
#include "labels/setup/sheet_position_mask.h"

namespace vellumo {
namespace {

constexpr const char* kDescriptionField = "DESCRIPT";
constexpr const char* kStockNameField = "TPLDESCRIP";
constexpr const char* kDesignFileField = "BINARY";

}  // namespace

LabelSetup NewLabelSetup() {
  LabelSetup setup;
  setup.description = kNewSetupDescription;
  Stock& stock = setup.stock;
  stock.description = "Avery 5160  Address";
  stock.printer = "LJ";
  stock.maker = "AVERY";
  stock.product_type = "ADDRESS/SHIPPING LABELS";
  StockGeometry& g = stock.geometry;
  g.label_height = 1.0;
  g.label_width = 2.625;
  g.across = 3;
  g.down = 10;
  g.top_margin = 0.5;
  g.left_margin = 0.188;
  g.horizontal_pitch = 2.765;
  g.vertical_pitch = 1.01;
  g.sheet_width = 8.5;
  g.sheet_depth = 11.0;
  g.paper_size = "LTR";
  g.shape = "RR";
  return setup;
}

xbase::Status ReadLabelSetup(const xbase::Table& table, LabelSetup* setup) {
  if (table.Eof()) return xbase::Status::NotFound("no label set-up is current");
  XBASE_RETURN_IF_ERROR(table.RecordStatus());
  for (const char* name : {kStockNameField, kDesignFileField}) {
    if (table.FieldIndex(name) < 0) {
      return xbase::Status::Corruption(std::string("a label set-up table without the field ") + name);
    }
  }
  LabelSetup read;
  XBASE_RETURN_IF_ERROR(ReadStock(table, &read.stock));
  // The stock reader takes DESCRIPT, which names the set-up here.
  read.description = std::move(read.stock.description);
  read.stock.description = table.GetTrimString(kStockNameField);
  read.design_file = table.GetTrimString(kDesignFileField);
  *setup = std::move(read);
  return xbase::Status::OK();
}

xbase::Status CheckLabelSetup(const LabelSetup& setup) {
  XBASE_RETURN_IF_ERROR(CheckSheetPositions(setup.stock.geometry));
  if (setup.description.size() > kSetupDescriptionLimit) {
    return xbase::Status::InvalidArgument("a label set-up's description holds at most " +
                                          std::to_string(kSetupDescriptionLimit) + " characters: '" +
                                          setup.description + "'");
  }
  if (setup.stock.description.size() > kStockDescriptionWidth) {
    return xbase::Status::InvalidArgument("the stock name '" + setup.stock.description + "' is too long");
  }
  if (!IsDesignFileName(setup.design_file)) {
    return xbase::Status::InvalidArgument("'" + setup.design_file + "' is not a design file name");
  }
  // The stock's fields, each as the text it is stored as.
  const std::vector<xbase::FieldDef>& fields = StockCatalogueFields();
  const std::vector<std::string> texts = StockFieldTexts(setup.stock);
  for (size_t i = 0; i < fields.size(); ++i) {
    if (fields[i].name == kDescriptionField) continue;  // the set-up's own, checked above
    if (texts[i].size() > fields[i].length) {
      return xbase::Status::InvalidArgument("the value '" + texts[i] + "' does not fit the field " + fields[i].name);
    }
  }
  return xbase::Status::OK();
}

xbase::Status WriteLabelSetup(xbase::Table& table, const LabelSetup& setup) {
  XBASE_RETURN_IF_ERROR(CheckLabelSetup(setup));
  XBASE_RETURN_IF_ERROR(WriteStock(table, setup.stock));
  XBASE_RETURN_IF_ERROR(table.Replace(kDescriptionField, setup.description));
  XBASE_RETURN_IF_ERROR(table.Replace(kStockNameField, setup.stock.description));
  return table.Replace(kDesignFileField, setup.design_file);
}

}  // namespace vellumo
