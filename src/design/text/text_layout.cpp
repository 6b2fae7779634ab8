// Measuring, wrapping, placing and shrinking the lines of text objects.
#include "design/text/text_layout.h"

#include <algorithm>

#include "core/text_utils.h"

namespace vellumo {
namespace {

// Room for rounding when comparing measured inches.
constexpr double kEpsilon = 1e-9;

bool Fits(const QString& text, double width, const TextMeasure& measure) {
  return measure.width(text) <= width + kEpsilon;
}

// Where the line starting at `pos` ends: after the last word that still
// fits, else after as many characters as fit (at least one).
qsizetype LineEnd(const QString& item, qsizetype pos, double width, const TextMeasure& measure) {
  qsizetype end = -1;
  for (qsizetype blank = item.indexOf(QLatin1Char(' '), pos + 1); blank >= 0;
       blank = item.indexOf(QLatin1Char(' '), blank + 1)) {
    const QString line = TrimRight(item.mid(pos, blank - pos));
    if (line.isEmpty()) continue;
    if (!Fits(line, width, measure)) break;
    end = blank;
  }
  if (end >= 0) return end;
  qsizetype count = 1;
  while (pos + count < item.size() && Fits(item.mid(pos, count + 1), width, measure)) ++count;
  return pos + count;
}

void WrapItem(const QString& item, double width, const TextMeasure& measure, QStringList* lines) {
  qsizetype pos = 0;
  for (;;) {
    const QString rest = item.mid(pos);
    if (Fits(rest, width, measure)) {
      *lines << rest;
      return;
    }
    const qsizetype end = LineEnd(item, pos, width, measure);
    *lines << TrimRight(item.mid(pos, end - pos));
    pos = end;
    while (pos < item.size() && item[pos] == QLatin1Char(' ')) ++pos;
    if (pos >= item.size()) return;
  }
}

}  // namespace

TextMeasure MeasureOn(TBaseReport& canvas, const TextStyle& style) {
  canvas.SetFont(style.name, style.points);
  canvas.SetBold(style.bold);
  canvas.SetItalic(style.italic);
  canvas.SetUnderline(style.underline);
  canvas.LineHeightMethodUsed = LineHeightMethod::kFont;
  TextMeasure measure;
  measure.width = [&canvas](const QString& text) { return canvas.TextWidth(text); };
  measure.line_height = canvas.LineHeight();
  return measure;
}

QStringList WrapLines(const QStringList& items, double width, const TextMeasure& measure) {
  QStringList lines;
  for (const QString& item : items) WrapItem(item, width, measure, &lines);
  return lines;
}

std::vector<PlacedLine> PlaceLines(const QStringList& lines, QSizeF box, TAlignment alignment,
                                   const TextMeasure& measure) {
  constexpr double kUnit = 1.0 / kScreenPpi;
  std::vector<PlacedLine> placed;
  double top = 0;
  for (const QString& line : lines) {
    if (top >= box.height() - kEpsilon) break;
    PlacedLine p{line, 0, top, std::min(measure.line_height, box.height() - top)};
    // Left-aligned lines need no measuring.
    if (alignment == taRightJustify) p.x = box.width() - measure.width(line) - kUnit;
    if (alignment == taCenter) p.x = box.width() / 2 + kUnit - measure.width(line) / 2;
    placed.push_back(p);
    top += measure.line_height;
  }
  return placed;
}

QSizeF SizeToLines(const QStringList& lines, double current_width, const TextMeasure& measure) {
  double width = current_width;
  for (const QString& line : lines) width = std::max(width, measure.width(line));
  return {width, measure.line_height * static_cast<double>(lines.size())};
}

MeasureAtSize SizesOn(TBaseReport& canvas, const TextStyle& style) {
  return [&canvas, style](double points) {
    TextStyle sized = style;
    sized.points = points;
    return MeasureOn(canvas, sized);
  };
}

ShrinkResult ShrinkToFit(const QStringList& items, QSizeF box, double points, bool wrap,
                         const MeasureAtSize& measure_at) {
  ShrinkResult result;
  for (double size = points;; size = std::max(size - 1, kSmallestShrinkPoints)) {
    const TextMeasure measure = measure_at(size);
    result.points = size;
    result.lines = wrap ? WrapLines(items, box.width(), measure) : items;
    const bool wide_enough = std::all_of(result.lines.begin(), result.lines.end(), [&](const QString& line) {
      return Fits(line, box.width(), measure);
    });
    const bool high_enough =
        measure.line_height * static_cast<double>(result.lines.size()) <= box.height() + kEpsilon;
    result.fits = wide_enough && high_enough;
    if (result.fits || size <= kSmallestShrinkPoints) return result;
  }
}

}  // namespace vellumo
