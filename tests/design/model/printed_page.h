// A page's objects printed at its corner onto an image of the page's size
// at a resolution, for comparing with what the screen shows.
#pragma once

#include <gtest/gtest.h>

#include <QImage>

#include "design/model/base_panel.h"
#include "design/model/design_units.h"
#include "printing/report_destinations.h"

namespace vellumo::design::testing {

inline QImage PrintedAt(const TGBasePanel& page, double dpi) {
  TCanvasReport canvas(QSizeF(InchesFromUnits(page.Size().width()), InchesFromUnits(page.Size().height())), dpi);
  canvas.OnPrint = [&](TBaseReport& r) { page.PrintObjects(r, 0, 0); };
  EXPECT_TRUE(canvas.Execute());
  return canvas.pages().empty() ? QImage() : canvas.pages().front().convertToFormat(QImage::Format_RGB32);
}

}  // namespace vellumo::design::testing
