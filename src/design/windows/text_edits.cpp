// The effects of the text dialogs on text objects.
#include "design/windows/text_edits.h"

#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <cmath>
#include <functional>

#include "design/model/design_units.h"
#include "design/model/screen_canvas.h"
#include "design/windows/page_changes.h"

namespace vellumo::design {

namespace {

// Runs `measure` with the font as a screen canvas at zoom 1.0 measures it.
// REQUIRES: the font has a size.
void MeasureOnScreen(const TextStyle& style, const std::function<void(const TextMeasure&)>& measure) {
  // Text is measured in pixel sizes, so any small image serves as the device.
  QImage device(1, 1, QImage::Format_RGB32);
  QPainter painter(&device);
  TScreenReport screen(&painter, QSizeF(1, 1), kScreenPpi);
  screen.Draw([&](TBaseReport& canvas) { measure(MeasureOn(canvas, style)); });
}

// Whole design units holding `inches`; a length that is already whole
// stays as it is.
int UnitsHolding(double inches) { return static_cast<int>(std::ceil(inches * kScreenPpi - 1e-6)); }

}  // namespace

QSize GrownToCaption(const TGBaseLabel& label) {
  const TextStyle style = StyleOfFont(label.Font);
  QSize grown = label.Bounds().size();
  if (label.Angle() != 0 || style.points <= 0) return grown;
  const QString caption = QString::fromStdString(label.Caption);
  MeasureOnScreen(style, [&](const TextMeasure& measure) {
    const SingleLineLayout layout =
        LayOutSingleLine(caption, SingleLineBox{grown, label.Angle(), label.Alignment}, label.Effects, measure);
    grown = GrowToFit(caption, grown, layout, measure);
  });
  return grown;
}

QSize SizedToLines(const TGMultiLineBaseLabel& label) {
  const TextStyle style = StyleOfFont(label.Font);
  QSize sized = label.Bounds().size();
  if (style.points <= 0) return sized;
  QStringList items;
  for (const std::string& item : label.Items) items << QString::fromStdString(item);
  MeasureOnScreen(style, [&](const TextMeasure& measure) {
    const double width = InchesFromUnits(sized.width());
    QStringList lines = label.WordWrap ? WrapLines(items, width, measure) : items;
    // An empty object shows its placeholder on one line.
    if (lines.isEmpty()) lines << QString();
    const QSizeF inches = SizeToLines(lines, width, measure);
    sized = QSize(UnitsHolding(inches.width()), UnitsHolding(inches.height()));
  });
  return sized;
}

void ReplaceCaption(TGPLabel& label, const QString& caption) {
  label.Caption = caption.toStdString();
  label.SetBounds(QRect(label.Bounds().topLeft(), GrownToCaption(label)));
  TellPage(label);
}

TextLook LookOf(const TGBaseLabel& label) {
  return TextLook{label.Font, label.Effects, label.colorShadow, label.colorHighlight};
}

void ApplyLook(TGBaseLabel& label, const TextLook& look) {
  label.Font = look.font;
  label.Effects = look.effects;
  label.colorShadow = look.shadow;
  label.colorHighlight = look.highlight;
  TellPage(label);
}

std::vector<std::string> LinesOfText(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
  QStringList pieces = text.split(kLineEnd);
  // A line end after the last line starts no further line.
  if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.removeLast();
  for (const QString& line : pieces) lines.push_back(line.toStdString());
  return lines;
}

QString TextOfLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  return text.join(QLatin1Char('\n'));
}

void ReplaceLines(TGMultiLineBaseLabel& label, const QString& text) {
  label.Items = LinesOfText(text);
  label.SetBounds(QRect(label.Bounds().topLeft(), SizedToLines(label)));
  TellPage(label);
}

Colour StoredColour(const QColor& colour) {
  return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}

}  // namespace vellumo::design
