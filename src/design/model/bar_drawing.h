// Drawing the bars of a postal barcode on the canvas: each bar a filled
// rectangle at an inch origin, in the canvas's current pen and a solid
// black brush.
#pragma once

#include "design/barcodes/bar.h"
#include "printing/base_report.h"

namespace vellumo::design {

void DrawBars(TBaseReport& canvas, const Bars& bars, double x, double y);

// The dashed outline shown on screen for an object that has nothing to
// print (a barcode without a code, a picture without a picture).
void DrawEmptyObjectOutline(TBaseReport& canvas, const QRectF& inches);

}  // namespace vellumo::design
