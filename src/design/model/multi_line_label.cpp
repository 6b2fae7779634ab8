// Multi-line text objects: drawing, record data and stored form.
#include "design/model/multi_line_label.h"

#include <cmath>

#include "design/model/base_panel.h"
#include "design/model/design_units.h"
#include "design/model/record_binding.h"
#include "design/model/screen_canvas.h"
#include "design/text/data_field.h"
#include "printing/drawing_styles.h"

namespace vellumo::design {
namespace {

constexpr std::string_view kAlignmentNames[] = {"taLeftJustify", "taRightJustify", "taCenter"};
// Measured lengths this close above a whole unit count as that unit.
constexpr double kUnitRoundingSlack = 1e-6;
constexpr std::string_view kZipOptionNames[] = {"zoAfterState", "zoBeforeCity", "zoAfterCountry", "zoBeforeCountry"};

QStringList ToQt(const std::vector<std::string>& lines) {
  QStringList list;
  for (const std::string& line : lines) list << QString::fromStdString(line);
  return list;
}

std::vector<std::string> FromQt(const QStringList& lines) {
  std::vector<std::string> list;
  for (const QString& line : lines) list.push_back(line.toStdString());
  return list;
}

}  // namespace

void TGMultiLineBaseLabel::ApplyFont(const StoredFont& font) {
  Font = font;
  Changed();
}

void TGMultiLineBaseLabel::PrintAt(TBaseReport& canvas, double x0, double y0) const {
  last_fit_ = DrawLines(canvas, x0, y0, ToQt(Items), ShrinkToFit);
  // Only shrinking text counts: text that keeps its size was laid out by
  // hand, and a design that printed so before prints so still.
  if (ShrinkToFit && Page()) Page()->NoteTextFit({last_fit_.shrunk, !last_fit_.fits});
}

void TGMultiLineBaseLabel::ScreenExtras(TBaseReport& canvas, double x0, double y0) const {
  const QStringList items = ToQt(Items);
  const QStringList shown = ScreenLines(items, MemoObject());
  if (shown != items) DrawLines(canvas, x0, y0, shown, false);
}

void TGMultiLineBaseLabel::SizeToLines() {
  const TextStyle style = StyleOfFont(Font);
  if (style.points <= 0) return;
  TMeasuringReport canvas;
  const TextMeasure measure = MeasureOn(canvas, style);
  const QStringList items = ToQt(Items);
  const QStringList lines = WordWrap ? WrapLines(items, InchesFromUnits(Width()), measure) : items;
  const QSizeF inches = vellumo::SizeToLines(ScreenLines(lines, MemoObject()), InchesFromUnits(Width()), measure);
  // Rounded up, so that the last line and the widest one are not cut.
  const auto units = [](double length) { return int(std::ceil(length * kScreenPpi - kUnitRoundingSlack)); };
  SetBounds(QRect(Bounds().topLeft(), QSize(units(inches.width()), units(inches.height()))));
}

PrintFit TGMultiLineBaseLabel::DrawLines(TBaseReport& canvas, double x0, double y0, const QStringList& items,
                                         bool shrink) const {
  TextStyle style = StyleOfFont(Font);
  if (style.points <= 0 || items.isEmpty()) return {};
  const QSizeF box(InchesFromUnits(Width()), InchesFromUnits(Height()));
  // The largest size that fits, from the object's own size down: with
  // shrinking it is the size printed, without it only tells whether the
  // lines fit as they are.
  const ShrinkResult largest = vellumo::ShrinkToFit(items, box, style.points, WordWrap, SizesOn(canvas, style));
  PrintFit fit;
  QStringList lines = largest.lines;
  if (shrink) {
    fit.shrunk = largest.points < style.points;
    fit.fits = largest.fits;
    style.points = largest.points;
  } else {
    fit.fits = largest.fits && largest.points == style.points;
  }
  const TextMeasure measure = MeasureOn(canvas, style);
  if (!shrink) lines = WordWrap ? WrapLines(items, box.width(), measure) : items;
  canvas.SetFontColor(FontColour(Font));
  canvas.SetFontAngle(0);
  canvas.SetBrush(Qt::white, bsClear);
  const QPointF corner(x0 + InchesFromUnits(Left()), y0 + InchesFromUnits(Top()));
  for (const PlacedLine& line : PlaceLines(lines, box, Alignment, measure)) {
    const double top = corner.y() + line.top;
    canvas.TextInRect(canvas.MakeRect(corner.x(), top, corner.x() + box.width(), top + line.height),
                      corner.x() + line.x, top, line.text);
  }
  return fit;
}

void TGMultiLineBaseLabel::WriteOwnProperties(PropertyWriter& writer) const {
  if (StoresItems()) writer.StringListIfSet("Items.Strings", Items);
  writer.Boolean("AutoSize", AutoSize);
  writer.EnumerationIfNot("Alignment", Alignment, taLeftJustify, kAlignmentNames);
  WriteFont(writer, "Font", Font);
  writer.BooleanIfNot("WordWrap", WordWrap, false);
  writer.BooleanIfNot("ShrinkToFit", ShrinkToFit, false);
}

Status TGMultiLineBaseLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  const std::string_view name = property.name;
  if (name == "Items.Strings") return Take(reader.StringList(property), &Items);
  if (name == "AutoSize") return Take(reader.Boolean(property), &AutoSize);
  if (name == "Alignment") return Take(reader.Enumeration(property, kAlignmentNames), &Alignment);
  if (name.starts_with("Font.")) return ReadFont(reader, property, "Font", &Font);
  if (name == "WordWrap") return Take(reader.Boolean(property), &WordWrap);
  if (name == "ShrinkToFit") return Take(reader.Boolean(property), &ShrinkToFit);
  return TGGraphicControl::ReadOwnProperty(reader, property);
}

// ---- Memo field.

void TGDMultiLineLabel::RefreshData(const RecordSource& record) {
  const QString descript = QString::fromStdString(DataFieldDescript);
  // Split at line ends only; wrapping happens where the lines are drawn,
  // measured on that canvas.
  MemoLayout layout;
  layout.wrap = false;
  Items = FromQt(MemoFieldLines(BindByLabel(record, descript), descript, ShowStateOf(Page()), MemosOf(record), layout));
}

void TGDMultiLineLabel::WriteOwnProperties(PropertyWriter& writer) const {
  TGMultiLineBaseLabel::WriteOwnProperties(writer);
  writer.TextIfSet("DataFieldName", DataFieldName);
  writer.TextIfSet("DataFieldDescript", DataFieldDescript);
}

Status TGDMultiLineLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  if (property.name == "DataFieldName") return Take(reader.Text(property), &DataFieldName);
  if (property.name == "DataFieldDescript") return Take(reader.Text(property), &DataFieldDescript);
  return TGMultiLineBaseLabel::ReadOwnProperty(reader, property);
}

// ---- Address block.

void TGDMultiLineAddressLabel::RefreshData(const RecordSource& record) {
  Items = FromQt(AddressBlockLines(FieldsOf(record), Options, ShowStateOf(Page())));
}

void TGDMultiLineAddressLabel::WriteOwnProperties(PropertyWriter& writer) const {
  TGMultiLineBaseLabel::WriteOwnProperties(writer);
  writer.Boolean("UseName", Options.UseName);
  writer.Boolean("UseTitle", Options.UseTitle);
  writer.Boolean("UseCompany", Options.UseCompany);
  writer.Boolean("UseStreet", Options.UseStreet);
  writer.Boolean("UseStreet2", Options.UseStreet2);
  writer.Boolean("UseCityState", Options.UseCityState);
  writer.Boolean("UseZip", Options.UseZip);
  writer.Boolean("UsePhone", Options.UsePhone);
  writer.Boolean("UseCountry", Options.UseCountry);
  writer.Enumeration("ZipOptions", Options.ZipOptions, kZipOptionNames);
  writer.Boolean("UpperCase", Options.UpperCase);
}

Status TGDMultiLineAddressLabel::ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) {
  const std::string_view name = property.name;
  bool* const flags[] = {&Options.UseName,      &Options.UseTitle, &Options.UseCompany, &Options.UseStreet,
                         &Options.UseStreet2,   &Options.UseCityState, &Options.UseZip, &Options.UsePhone,
                         &Options.UseCountry,   &Options.UpperCase};
  constexpr std::string_view kFlagNames[] = {"UseName",    "UseTitle",     "UseCompany", "UseStreet", "UseStreet2",
                                             "UseCityState", "UseZip",     "UsePhone",   "UseCountry", "UpperCase"};
  for (size_t i = 0; i < std::size(kFlagNames); ++i) {
    if (name == kFlagNames[i]) return Take(reader.Boolean(property), flags[i]);
  }
  if (name == "ZipOptions") return Take(reader.Enumeration(property, kZipOptionNames), &Options.ZipOptions);
  return TGMultiLineBaseLabel::ReadOwnProperty(reader, property);
}

}  // namespace vellumo::design
