// FIM object: stored property and printing.
#include "design/model/fim_barcode.h"

#include <string_view>

#include "design/model/bar_drawing.h"
#include "design/model/design_units.h"
#include "printing/drawing_styles.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kTypeNames[] = {"fimTypeA", "fimTypeB", "fimTypeC"};

}  // namespace

void TGFIMBarCode::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  // Without an outline: a pen left on the canvas by the object printed
  // before would otherwise widen every bar by its width.
  canvas.SetPen(Qt::black, psClear, pmCopy, 1);
  DrawBars(canvas, FimBars(FIMType), x0 + InchesFromUnits(Left()), y0 + InchesFromUnits(Top()));
}

void TGFIMBarCode::WriteOwnProperties(PropertyWriter& writer) const {
  writer.Enumeration("FIMType", int(FIMType), kTypeNames);
}

Status TGFIMBarCode::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  if (property.name == "FIMType") return Take(reader.Enumeration(property, kTypeNames), &FIMType);
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
