// The design a label starts from when none was made for it: the record's
// address block over the whole label, shrinking to fit, and below it the
// record's Intelligent Mail barcode when the label is wide and high enough
// to hold one with its clear zones.
#pragma once

#include "design/model/data_panel.h"
#include "labels/stock/stock_geometry.h"

namespace vellumo {

// Inches left clear along every edge of the label.
inline constexpr double kDefaultDesignInset = 1.0 / 16;

// Whether the 65 bars at their printed pitch, with the clear zones the
// Postal Service asks for on every side, fit on one label of the stock
// below an address block of at least a few lines.
bool LabelHoldsIntelligentMail(const StockGeometry& geometry);

// Replaces the page's objects by the default design and gives the page the
// stock's label size and shape. The address block holds the name, company,
// street lines, city, state and ZIP (and a country when the record has one)
// with shrink to fit on, in the page font when the page has one. The
// barcode, when there is room, is centred below the block and encodes the
// record's "ZIP" and "STREET"; it prints once its mailer identifier is set.
void BuildDefaultLabelDesign(design::TGLabelPanel& page, const StockGeometry& geometry);

}  // namespace vellumo
