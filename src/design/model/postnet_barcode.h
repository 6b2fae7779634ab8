// TGPostNetBarCode: the POSTNET barcode of the record's ZIP code, with the
// delivery point taken from the street address for the 11-digit form.
#pragma once

#include "design/barcodes/postnet.h"
#include "design/model/graphic_control.h"
#include "design/model/postal_address.h"

namespace vellumo::design {

class TGPostNetBarCode : public TGGraphicControl {
 public:
  // trunc(2.6 × ScreenPPI) × trunc(0.125 × ScreenPPI).
  TGPostNetBarCode() : TGGraphicControl(249, 12) {}
  [[nodiscard]] std::string_view ClassName() const override { return "TGPostNetBarCode"; }

  PostalAddress Postal;
  TPostNetBarCodeType BarCodeType = TPostNetBarCodeType::pnbc11Digit;

  void RefreshData(const RecordSource& record) override;
  void ClearData() override;
  // Nothing for a ZIP that cannot be printed; else the bars from the
  // object's top-left corner.
  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

 protected:
  void ScreenExtras(TBaseReport& canvas, double x0, double y0) const override;
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
};

}  // namespace vellumo::design
