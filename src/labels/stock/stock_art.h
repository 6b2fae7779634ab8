// The outline art shown behind a label design: one label of the stock at
// zoom 1.0, white, with the label's shape drawn a little inside its edge
// in light grey, and for a stock with pre-printed artwork a grey band
// inside that outline, so that the user sees where the printed design
// lies. Screen only: it is never printed.
#pragma once

#include <QColor>
#include <QImage>
#include <string>
#include <string_view>

#include "labels/stock/stock_geometry.h"

namespace vellumo {

inline const QColor kStockArtInk(0xC0, 0xC0, 0xC0);

// The artwork name a stock's ART gives: the part before its first ".",
// upper-cased ("av5160.bmp" → "AV5160").
std::string StockArtName(std::string_view art);
// Whether the name is one of the stocks whose sheets carry artwork.
bool HasPrintedArtwork(std::string_view art_name);

// The art of one label: round(inches × 96) pixels each way (at least 1),
// white with grey lines only. The shape code is the stock's ("RR", "SR",
// "EL"; any other draws a rectangle).
QImage DrawStockArt(const StockGeometry& geometry, std::string_view art);

}  // namespace vellumo
