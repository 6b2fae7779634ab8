// Shapes: stored properties and printing.
#include "design/model/label_shapes.h"

#include <cmath>
#include <string_view>

#include "design/model/design_units.h"
#include "design/model/qt_colour.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kShapeNames[] = {"stRectangle", "stSquare",  "stRoundRect",
                                            "stRoundSquare", "stEllipse", "stCircle"};

bool Rounded(TShapeType shape) { return shape == TShapeType::stRoundRect || shape == TShapeType::stRoundSquare; }
bool Elliptic(TShapeType shape) { return shape == TShapeType::stEllipse || shape == TShapeType::stCircle; }

}  // namespace

void TGLabelShapes::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Brush.style = transparent ? BrushStyle::kClear : BrushStyle::kSolid;
}

void TGLabelShapes::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  const int hundredths = static_cast<int>(std::trunc(InchesFromUnits(Pen.width) * 100));
  canvas.SetPen(QtColour(Pen.colour), int(Pen.style), int(Pen.mode), -hundredths);
  canvas.SetBrush(QtColour(Brush.colour), int(Brush.style));
  const QRectF r = InchRect(x0, y0);
  if (Rounded(Shape)) {
    const double corner = RoundPerc / 100.0 * (Height() < Width() ? r.width() : r.height());
    canvas.DrawRoundRect(r.left(), r.top(), r.right(), r.bottom(), corner, corner);
  } else if (Elliptic(Shape)) {
    canvas.DrawEllipse(r.left(), r.top(), r.right(), r.bottom());
  } else {
    canvas.DrawRectangle(r.left(), r.top(), r.right(), r.bottom());
  }
}

void TGLabelShapes::WriteOwnProperties(PropertyWriter& writer) const {
  writer.Boolean("Transparent", transparent_);
  WriteBrush(writer, "Brush", Brush);
  WritePen(writer, "Pen", Pen);
  writer.IntegerIfNot("RoundPerc", RoundPerc, kDefaultRoundPerc);
  writer.EnumerationIfNot("Shape", int(Shape), int(TShapeType::stRectangle), kShapeNames);
}

Status TGLabelShapes::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  const std::string_view name = property.name;
  if (name == "Transparent") {
    bool transparent = false;
    Status s = Take(reader.Boolean(property), &transparent);
    if (s.ok()) SetTransparent(transparent);
    return s;
  }
  if (name.starts_with("Brush.")) return ReadBrush(reader, property, "Brush", &Brush);
  if (name.starts_with("Pen.")) return ReadPen(reader, property, "Pen", &Pen);
  if (name == "RoundPerc") return Take(reader.Integer(property), &RoundPerc);
  if (name == "Shape") return Take(reader.Enumeration(property, kShapeNames), &Shape);
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
