// The design object base: bounds, flags, common properties, drawing path.
#include "design/model/graphic_control.h"

#include "design/model/base_panel.h"
#include "design/model/design_units.h"
#include "design/model/screen_canvas.h"

namespace vellumo::design {

TGGraphicControl::~TGGraphicControl() = default;

void TGGraphicControl::SetBounds(const QRect& bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  BoundsChanged();
  Changed();
}

void TGGraphicControl::PrintAt(TBaseReport&, double, double) const {}
void TGGraphicControl::PrintOnScreen(TBaseReport& canvas, double x0, double y0) const { PrintAt(canvas, x0, y0); }
void TGGraphicControl::ScreenExtras(TBaseReport&, double, double) const {}
void TGGraphicControl::BoundsChanged() {}
void TGGraphicControl::SizeToContent() {}
void TGGraphicControl::RefreshData(const RecordSource&) {}
void TGGraphicControl::ClearData() {}
void TGGraphicControl::LabelPrinted() {}
void TGGraphicControl::ResetCounters() {}
void TGGraphicControl::ApplyFont(const StoredFont&) {}

void TGGraphicControl::PaintObject(QPainter& painter, float zoom) const {
  const QSizeF page = page_ ? QSizeF(InchesFromUnits(page_->Size().width()), InchesFromUnits(page_->Size().height()))
                            : QSizeF(InchesFromUnits(Right()), InchesFromUnits(Bottom()));
  TScreenReport screen(&painter, page, kScreenPpi * double(zoom));
  const bool printing = PagePrinting();
  screen.Draw([this, printing](TBaseReport& canvas) {
    PrintOnScreen(canvas, 0, 0);
    if (!printing) ScreenExtras(canvas, 0, 0);
  });
}

void TGGraphicControl::Changed() const {
  if (page_) page_->NotifyChanged();
}

bool TGGraphicControl::PagePrinting() const { return page_ && page_->Printing; }

QRectF TGGraphicControl::InchRect(double x0, double y0) const {
  return QRectF(QPointF(x0 + InchesFromUnits(Left()), y0 + InchesFromUnits(Top())),
                QPointF(x0 + InchesFromUnits(Right()), y0 + InchesFromUnits(Bottom())));
}

// ---- Stored form.

Result<StoredObject> TGGraphicControl::Store() const {
  PropertyWriter writer;
  writer.IntegerIfNot("Tag", Tag, 0);
  writer.Integer("Left", Left());
  writer.Integer("Top", Top());
  writer.Integer("Width", Width());
  writer.Integer("Height", Height());
  writer.CursorIfNot("Cursor", Cursor, kCrDefault);
  writer.TextIfSet("Hint", Hint);
  writer.Boolean("Locked", Locked);
  writer.Boolean("Unselectable", Unselectable);
  WriteOwnProperties(writer);
  Result<std::vector<StoredProperty>> properties = std::move(writer).Finish();
  if (!properties.ok()) return properties.status();
  return StoredObject{std::string(ClassName()), name_, std::move(properties).value()};
}

void TGGraphicControl::WriteOwnProperties(PropertyWriter&) const {}

Status TGGraphicControl::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  return reader.UnknownProperty(property);
}

Status TGGraphicControl::Restore(const StoredObject& stored) {
  const PropertyReader reader(stored);
  for (const StoredProperty& property : stored.properties) {
    bool handled = false;
    Status s = ReadCommonProperty(reader, property, &handled);
    if (s.ok() && !handled) s = ReadOwnProperty(reader, property);
    if (!s.ok()) return s;
  }
  return Status::OK();
}

Status TGGraphicControl::ReadCommonProperty(const PropertyReader& reader, const StoredProperty& property,
                                            bool* handled) {
  *handled = true;
  const std::string& name = property.name;
  if (name == "Tag" || name == "Left" || name == "Top" || name == "Width" || name == "Height") {
    Result<int32_t> value = reader.Integer(property);
    if (!value.ok()) return value.status();
    if (name == "Tag") Tag = *value;
    if (name == "Left") bounds_.moveLeft(*value);
    if (name == "Top") bounds_.moveTop(*value);
    if (name == "Width") bounds_.setWidth(*value);
    if (name == "Height") bounds_.setHeight(*value);
    return Status::OK();
  }
  if (name == "Locked" || name == "Unselectable") {
    Result<bool> value = reader.Boolean(property);
    if (!value.ok()) return value.status();
    (name == "Locked" ? Locked : Unselectable) = *value;
    return Status::OK();
  }
  if (name == "Cursor") {
    Result<CursorId> value = reader.Cursor(property);
    if (!value.ok()) return value.status();
    Cursor = *value;
    return Status::OK();
  }
  if (name == "Hint") {
    Result<std::string> value = reader.Text(property);
    if (!value.ok()) return value.status();
    Hint = *value;
    return Status::OK();
  }
  *handled = false;
  return Status::OK();
}

}  // namespace vellumo::design
