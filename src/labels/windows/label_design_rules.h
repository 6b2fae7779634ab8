// The label design window's rules without the window: zoom steps, the
// texts of the read-outs, the layout name and the font button, the
// description's length, and which barcodes a label is too narrow for.
#pragma once

#include <QFont>
#include <QPoint>
#include <QString>
#include <optional>
#include <vector>

#include "design/model/data_panel.h"
#include "labels/stock/stock_record.h"

namespace vellumo {

// The zoom runs from 50 % to 150 % in steps of 10 %.
inline constexpr int kMinZoomTenths = 5;
inline constexpr int kMaxZoomTenths = 15;
// Characters the description edit takes, and those a set-up keeps.
inline constexpr int kDescriptionTyped = 60;
inline constexpr int kDescriptionKept = 50;

// The zoom one step up (or down) from `zoom`, or nothing at the end of
// the range. Steps land on whole tenths, so that repeated steps do not
// drift.
std::optional<float> ZoomStep(float zoom, bool up);
// "100%": round(zoom × 100) and a percent sign.
QString ZoomCaption(float zoom);

// "Left: 1.25" / "Top: 0.05": design units as inches, 2 decimals.
QString LeftReadout(int units);
QString TopReadout(int units);

// What "Layout:" names: "User Defined Label Layout" for the user's own
// stock, else the catalogue name.
QString TemplateTypeText(const Stock& stock);
// "Default Font: Arial, 10 pt " then ", bold" and ", italic" as they apply.
QString DefaultFontText(const QFont& font);
// A message as the information box shows it: each "\r" a line break.
QString MessageLines(const QString& text);
// The description a set-up keeps of what was typed.
QString KeptDescription(const QString& typed);

// A barcode tool with a least label width.
struct WideBarcode {
  design::TLPanelState tool;
  const char* class_name;
  double min_inches;
  QString refusal;  // told when the tool is chosen on a narrower label
};
const std::vector<WideBarcode>& WideBarcodes();
// The refusal for choosing `tool` on a label `width` inches wide, or
// nothing when the tool may be used there.
std::optional<QString> NarrowLabelRefusal(design::TLPanelState tool, double width);
// After the label changed to `width` inches: for each barcode kind the
// label is now too narrow for, and that the page holds, the user is warned
// and the first such object leaves the selection and is deleted. Returns
// how many were deleted.
int RemoveBarcodesTooWide(design::TGBasePanel& page, double width);

}  // namespace vellumo
