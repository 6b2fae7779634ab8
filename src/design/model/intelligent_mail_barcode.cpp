// Intelligent Mail barcode object: fields, stored properties and printing.
#include "design/model/intelligent_mail_barcode.h"

#include <string>

#include "design/barcodes/postnet.h"
#include "design/model/bar_drawing.h"
#include "design/model/design_units.h"
#include "printing/drawing_styles.h"

namespace vellumo::design {
namespace {

constexpr size_t kShortMailerId = 6;
constexpr size_t kSerialAfterShortMailerId = 9;
constexpr size_t kSerialAfterLongMailerId = 6;

}  // namespace

std::string TGIMBarCode::CurrentSerial() const {
  if (!SerialFromCounter) return SerialNumber;
  const size_t width = MailerId.size() == kShortMailerId ? kSerialAfterShortMailerId : kSerialAfterLongMailerId;
  const std::string number = std::to_string(int64_t(SerialStart) + printed_);
  // A number that no longer fits (or a negative one) is left as it is and
  // refused by the encoder.
  return number.size() >= width ? number : std::string(width - number.size(), '0') + number;
}

IntelligentMailFields TGIMBarCode::Fields() const {
  return {BarcodeIdentifier, ServiceType, MailerId, CurrentSerial(),
          ZipRoutingDigits(Postal.zip, Postal.address, TPostNetBarCodeType::pnbc11Digit)};
}

Bars TGIMBarCode::CurrentBars() const {
  const IntelligentMailBarcode code = EncodeIntelligentMail(Fields());
  return code.ok() ? IntelligentMailBars(code.states) : Bars();
}

void TGIMBarCode::RefreshData(const RecordSource& record) { Postal.Refresh(record); }
void TGIMBarCode::ClearData() { Postal.Clear(); }

void TGIMBarCode::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  const Bars bars = CurrentBars();
  if (bars.empty()) return;
  canvas.SetPen(Qt::black, psClear, pmCopy, 1);
  DrawBars(canvas, bars, x0 + InchesFromUnits(Left()), y0 + InchesFromUnits(Top()));
}

void TGIMBarCode::ScreenExtras(TBaseReport& canvas, double x0, double y0) const {
  if (CurrentBars().empty()) DrawEmptyObjectOutline(canvas, InchRect(x0, y0));
}

void TGIMBarCode::WriteOwnProperties(PropertyWriter& writer) const {
  writer.Text("BarcodeIdentifier", BarcodeIdentifier);
  writer.Text("ServiceType", ServiceType);
  writer.TextIfSet("MailerId", MailerId);
  writer.TextIfSet("SerialNumber", SerialNumber);
  writer.BooleanIfNot("SerialFromCounter", SerialFromCounter, false);
  writer.IntegerIfNot("SerialStart", SerialStart, 0);
  Postal.Write(writer);
}

Status TGIMBarCode::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  const std::string& name = property.name;
  if (name == "BarcodeIdentifier") return Take(reader.Text(property), &BarcodeIdentifier);
  if (name == "ServiceType") return Take(reader.Text(property), &ServiceType);
  if (name == "MailerId") return Take(reader.Text(property), &MailerId);
  if (name == "SerialNumber") return Take(reader.Text(property), &SerialNumber);
  if (name == "SerialFromCounter") return Take(reader.Boolean(property), &SerialFromCounter);
  if (name == "SerialStart") return Take(reader.Integer(property), &SerialStart);
  Status status;
  if (Postal.Read(reader, property, &status)) return status;
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
