// Single-line text objects: angle rules, drawing, record data, stored form.
#include "design/model/text_label.h"

#include "design/model/design_units.h"
#include "design/model/qt_colour.h"
#include "design/model/record_binding.h"
#include "design/model/screen_canvas.h"
#include "design/model/text_font.h"
#include "printing/drawing_styles.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
constexpr std::string_view kHighlightNames[] = {"hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp"};
constexpr std::string_view kShadowNames[] = {"sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown"};

}  // namespace

void TGBaseLabel::SetAngle(int angle) {
  const std::optional<SingleLineBox> box = WithAngle(SingleLineBox{Bounds().size(), angle_, Alignment}, angle);
  if (!box) return;
  angle_ = box->angle;
  Alignment = box->alignment;
  SetBounds(QRect(Bounds().topLeft(), box->size));
  Changed();
}

void TGBaseLabel::ApplyFont(const StoredFont& font) {
  Font = font;
  Changed();
}

void TGBaseLabel::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  Draw(canvas, x0, y0, Shown(canvas, false));
}

void TGBaseLabel::PrintOnScreen(TBaseReport& canvas, double x0, double y0) const {
  Draw(canvas, x0, y0, Shown(canvas, true));
}

TGBaseLabel::ShownText TGBaseLabel::Shown(const TBaseReport&, bool) const {
  return {QString::fromStdString(Caption), StyleOfFont(Font)};
}

SingleLineLayout TGBaseLabel::LayOut(TBaseReport& canvas, const ShownText& shown, TextMeasure* measure) const {
  *measure = MeasureOn(canvas, shown.style);
  return LayOutSingleLine(shown.text, SingleLineBox{Bounds().size(), angle_, Alignment}, Effects, *measure);
}

void TGBaseLabel::Draw(TBaseReport& canvas, double x0, double y0, const ShownText& shown) const {
  const QPointF corner(x0 + InchesFromUnits(Left()), y0 + InchesFromUnits(Top()));
  if (!Transparent) {
    canvas.SetPen(QtColour(BackColor), psClear, pmCopy, 0);
    canvas.SetBrush(QtColour(BackColor), bsSolid);
    canvas.DrawRectangle(corner.x(), corner.y(), corner.x() + InchesFromUnits(Width() - 1),
                         corner.y() + InchesFromUnits(Height() - 1));
  }
  if (shown.style.points <= 0 || shown.text.isEmpty()) return;
  TextMeasure measure;
  const SingleLineLayout layout = LayOut(canvas, shown, &measure);
  canvas.SetFontAngle(angle_);
  canvas.SetBrush(Qt::white, bsClear);
  const auto draw = [&](const UnitRect& rect, QPoint origin, Colour colour) {
    canvas.SetFontColor(QtColour(colour));
    const QRectF clip = PrintClipInches(rect).translated(corner);
    const QPointF at = UnitsToInches(origin) + corner;
    canvas.TextInRect(canvas.MakeRect(clip.left(), clip.top(), clip.right(), clip.bottom()), at.x(), at.y(),
                      shown.text);
  };
  if (ShadowPrints(Effects)) draw(layout.shadow, layout.shadow_origin, colorShadow);
  if (HighlightPrints(Effects)) draw(layout.highlight, layout.highlight_origin, colorHighlight);
  draw(layout.main, layout.main_origin, Font.colour);
  canvas.SetFontAngle(0);
}

void TGBaseLabel::GrowToFit() {
  if (angle_ != 0) return;
  TMeasuringReport canvas;
  const ShownText shown = Shown(canvas, true);
  if (shown.style.points <= 0) return;
  TextMeasure measure;
  const SingleLineLayout layout = LayOut(canvas, shown, &measure);
  SetBounds(QRect(Bounds().topLeft(), vellumo::GrowToFit(shown.text, Bounds().size(), layout, measure)));
}

void TGBaseLabel::WriteOwnProperties(PropertyWriter& writer) const {
  writer.EnumerationIfNot("Alignment", Alignment, taLeftJustify, kAlignmentNames);
  writer.IntegerIfNot("DepthHighlight", Effects.DepthHighlight, 0);
  writer.IntegerIfNot("DepthShadow", Effects.DepthShadow, 0);
  writer.EnumerationIfNot("DirectionHighlight", Effects.DirectionHighlight, hdUpLeft, kHighlightNames);
  writer.EnumerationIfNot("DirectionShadow", Effects.DirectionShadow, sdDownRight, kShadowNames);
  writer.ColourIfNot("colorHighlight", colorHighlight, kClAqua);
  writer.ColourIfNot("colorShadow", colorShadow, kClGray);
  writer.IntegerIfNot("Angle", angle_, 0);
  if (const std::optional<std::string> caption = StoredCaption()) writer.TextIfSet("Caption", *caption);
  WriteFont(writer, "Font", Font);
  writer.Boolean("Transparent", Transparent);
  writer.ColourValue("BackColor", BackColor);
}

Status TGBaseLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  const std::string_view name = property.name;
  if (name == "Alignment") return Take(reader.Enumeration(property, kAlignmentNames), &Alignment);
  if (name == "DepthHighlight") return Take(reader.Integer(property), &Effects.DepthHighlight);
  if (name == "DepthShadow") return Take(reader.Integer(property), &Effects.DepthShadow);
  if (name == "DirectionHighlight") return Take(reader.Enumeration(property, kHighlightNames), &Effects.DirectionHighlight);
  if (name == "DirectionShadow") return Take(reader.Enumeration(property, kShadowNames), &Effects.DirectionShadow);
  if (name == "colorHighlight") return Take(reader.ColourValue(property), &colorHighlight);
  if (name == "colorShadow") return Take(reader.ColourValue(property), &colorShadow);
  if (name == "Angle") {
    // Stored bounds already lie the way the angle wants; an angle that is
    // not a quarter turn is ignored as when set.
    Result<int32_t> angle = reader.Integer(property);
    if (!angle.ok()) return angle.status();
    if (*angle == 0 || *angle == 90 || *angle == 180 || *angle == 270) angle_ = *angle;
    return Status::OK();
  }
  if (name == "Caption") return Take(reader.Text(property), &Caption);
  if (name.starts_with("Font.")) return ReadFont(reader, property, "Font", &Font);
  if (name == "Transparent") return Take(reader.Boolean(property), &Transparent);
  if (name == "BackColor") return Take(reader.ColourValue(property), &BackColor);
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

void TGPDLabel::RefreshData(const RecordSource& record) {
  const QString descript = QString::fromStdString(DataFieldDescript);
  Caption = DataFieldCaption(BindByLabel(record, descript), descript, ShowStateOf(Page()),
                             QString::fromStdString(Caption))
                .toStdString();
}

void TGPDLabel::WriteOwnProperties(PropertyWriter& writer) const {
  TGBaseLabel::WriteOwnProperties(writer);
  writer.TextIfSet("DataFieldName", DataFieldName);
  writer.TextIfSet("DataFieldDescript", DataFieldDescript);
  writer.Integer("LengthOfText", LengthOfText);
}

Status TGPDLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  if (property.name == "DataFieldName") return Take(reader.Text(property), &DataFieldName);
  if (property.name == "DataFieldDescript") return Take(reader.Text(property), &DataFieldDescript);
  if (property.name == "LengthOfText") return Take(reader.Integer(property), &LengthOfText);
  return TGBaseLabel::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
