// The default label design: address block and Intelligent Mail barcode.
#include "labels/printing/default_label_design.h"

#include <algorithm>
#include <memory>

#include "design/barcodes/intelligent_mail_bar_map.h"
#include "design/barcodes/intelligent_mail_encoder.h"
#include "design/model/design_units.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/multi_line_label.h"

namespace vellumo {
namespace {

using design::UnitsFromInches;

// Clear zones around the barcode: left and right of it, above and below it.
constexpr double kBarcodeSideClearance = 0.125;
constexpr double kBarcodeTopClearance = 0.028;
// From the left edge of the first bar to the right edge of the last.
constexpr double kBarcodeSpan = (kIntelligentMailBarCount - 1) * kIntelligentMailBarPitch + kIntelligentMailBarWidth;
// The address block keeps at least this much height beside a barcode:
// four lines at 8 points.
constexpr double kSmallestAddressHeight = 4 * 8 / 72.0 * 1.2;

// The address block, its lines chosen for a mailing label.
std::unique_ptr<design::TGDMultiLineAddressLabel> AddressBlock(const design::TGLabelPanel& page) {
  auto block = std::make_unique<design::TGDMultiLineAddressLabel>();
  block->Options.UseTitle = false;
  block->Options.UsePhone = false;
  block->ShrinkToFit = true;
  if (page.Font) block->Font = *page.Font;
  return block;
}

std::unique_ptr<design::TGIMBarCode> RecordBarcode() {
  auto barcode = std::make_unique<design::TGIMBarCode>();
  barcode->Postal.zip_field = "ZIP";
  barcode->Postal.address_field = "STREET";
  return barcode;
}

}  // namespace

bool LabelHoldsIntelligentMail(const StockGeometry& geometry) {
  const double width = kBarcodeSpan + 2 * kBarcodeSideClearance;
  const double height =
      2 * kDefaultDesignInset + kSmallestAddressHeight + kIntelligentMailFullBarHeight + 2 * kBarcodeTopClearance;
  return geometry.label_width >= width && geometry.label_height >= height;
}

void BuildDefaultLabelDesign(design::TGLabelPanel& page, const StockGeometry& geometry) {
  page.ClearObjects();
  page.FitToStock(geometry);
  const QSize size = page.Size();
  const int inset = UnitsFromInches(kDefaultDesignInset);
  int block_bottom = size.height() - inset;
  if (LabelHoldsIntelligentMail(geometry)) {
    design::TGGraphicControl* barcode = page.PlaceObject(RecordBarcode(), QRect());
    const int width = std::max(barcode->Width(), UnitsFromInches(kBarcodeSpan));
    const int height = UnitsFromInches(kIntelligentMailFullBarHeight);
    const int clearance = UnitsFromInches(kBarcodeTopClearance);
    const int top = size.height() - inset - clearance - height;
    barcode->SetBounds(QRect((size.width() - width) / 2, top, width, height));
    block_bottom = top - clearance;
  }
  design::TGGraphicControl* block = page.PlaceObject(AddressBlock(page), QRect());
  block->SetBounds(QRect(inset, inset, size.width() - 2 * inset, block_bottom - inset));
  page.RefreshAllData();
}

}  // namespace vellumo
