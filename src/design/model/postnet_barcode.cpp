// POSTNET barcode object: record data, stored properties and printing.
#include "design/model/postnet_barcode.h"

#include <string_view>

#include "design/model/bar_drawing.h"
#include "design/model/design_units.h"
#include "printing/drawing_styles.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kTypeNames[] = {"pnbc5Digit", "pnbc9Digit", "pnbc11Digit"};

}  // namespace

void TGPostNetBarCode::RefreshData(const RecordSource& record) { Postal.Refresh(record); }
void TGPostNetBarCode::ClearData() { Postal.Clear(); }

void TGPostNetBarCode::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  const Bars bars = PostnetBarsForRecord(Postal.zip, Postal.address, BarCodeType);
  if (bars.empty()) return;
  canvas.SetPen(Qt::black, psSolid, pmCopy, 1);
  DrawBars(canvas, bars, x0 + InchesFromUnits(Left()), y0 + InchesFromUnits(Top()));
}

void TGPostNetBarCode::ScreenExtras(TBaseReport& canvas, double x0, double y0) const {
  if (PostnetBarsForRecord(Postal.zip, Postal.address, BarCodeType).empty()) DrawEmptyObjectOutline(canvas, InchRect(x0, y0));
}

void TGPostNetBarCode::WriteOwnProperties(PropertyWriter& writer) const {
  Postal.Write(writer);
  writer.Enumeration("BarCodeType", int(BarCodeType), kTypeNames);
}

Status TGPostNetBarCode::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  Status status;
  if (Postal.Read(reader, property, &status)) return status;
  if (property.name == "BarCodeType") return Take(reader.Enumeration(property, kTypeNames), &BarCodeType);
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
