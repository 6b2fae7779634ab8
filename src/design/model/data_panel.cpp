// Data pages and the label page's drawing tools.
#include "design/model/data_panel.h"

#include <map>

#include "design/model/design_units.h"
#include "design/model/intelligent_mail_barcode.h"
#include "design/model/label_shapes.h"
#include "design/model/line_shape.h"
#include "design/model/postnet_barcode.h"

namespace vellumo::design {
namespace {

std::unique_ptr<TGGraphicControl> NewShape(TShapeType kind) {
  auto shape = std::make_unique<TGLabelShapes>();
  shape->Shape = kind;
  return shape;
}

std::map<TLPanelState, ObjectCreator>& RegisteredTools() {
  static std::map<TLPanelState, ObjectCreator> tools;
  return tools;
}

}  // namespace

void TGDataPanel::SetDisplayDataValues(bool display) {
  display_data_values_ = display;
  RefreshAllData();
}

void TGLabelPanel::SetPanelState(TLPanelState state) {
  state_ = state;
  Pointing = state == TLPanelState::psPointing;
}

void TGLabelPanel::RegisterTool(TLPanelState state, ObjectCreator creator) {
  RegisteredTools()[state] = std::move(creator);
}

std::unique_ptr<TGGraphicControl> TGLabelPanel::ToolObject() const {
  const auto registered = RegisteredTools().find(state_);
  if (registered != RegisteredTools().end()) return registered->second();
  switch (state_) {
    case TLPanelState::psRectangle: return NewShape(TShapeType::stRectangle);
    case TLPanelState::psEllipse: return NewShape(TShapeType::stEllipse);
    case TLPanelState::psRoundRectangle: return NewShape(TShapeType::stRoundRect);
    case TLPanelState::psLine: {
      auto line = std::make_unique<TGLineShape>();
      line->LineStyle = TLineStyle::stVertical;
      return line;
    }
    case TLPanelState::psPostNetBarCode: {
      auto barcode = std::make_unique<TGPostNetBarCode>();
      barcode->Postal.zip_field = "ZIP";
      barcode->Postal.address_field = "STREET";
      return barcode;
    }
    case TLPanelState::psIMBarCode: {
      auto barcode = std::make_unique<TGIMBarCode>();
      barcode->Postal.zip_field = "ZIP";
      barcode->Postal.address_field = "STREET";
      return barcode;
    }
    default: return nullptr;
  }
}

void TGLabelPanel::FitToStock(const StockGeometry& stock) {
  TLabelShapeType shape = Shape;
  if (stock.shape == "RR") shape = TLabelShapeType::lsRoundRect;
  if (stock.shape == "SR") shape = TLabelShapeType::lsRectangle;
  if (stock.shape == "EL") shape = TLabelShapeType::lsEllipse;
  const bool shape_changed = shape != Shape;
  Shape = shape;
  const QSize size(UnitsFromInches(stock.label_width), UnitsFromInches(stock.label_height));
  if (size != Size()) {
    SetSize(size);
  } else if (shape_changed) {
    NotifyChanged();
  }
}

TGGraphicControl* TGLabelPanel::CreateObjectInRect(const QRect& dragged) {
  std::unique_ptr<TGGraphicControl> object = ToolObject();
  if (!object) return nullptr;
  return PlaceDrawnObject(std::move(object), dragged);
}

}  // namespace vellumo::design
