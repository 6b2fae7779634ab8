// TGFIMBarCode: a Facing Identification Mark of type A, B or C.
#pragma once

#include "design/barcodes/fim.h"
#include "design/model/graphic_control.h"

namespace vellumo::design {

class TGFIMBarCode : public TGGraphicControl {
 public:
  // 0.625 × 0.5625 inch.
  TGFIMBarCode() : TGGraphicControl(60, 54) {}
  [[nodiscard]] std::string_view ClassName() const override { return "TGFIMBarCode"; }

  TFIMBarCodeType FIMType = TFIMBarCodeType::fimTypeA;

  // The bars, filled black without an outline, each exactly its position wide.
  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
};

}  // namespace vellumo::design
