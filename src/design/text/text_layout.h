// Where the lines of text objects go within their box, measured on the
// canvas that draws them so that screen, preview, printer and PDF agree:
// alignment, word wrap, sizing to the lines and shrinking the font until
// the lines fit. Positions are inches from the object's top-left corner.
#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "design/screen_ppi.h"
#include "printing/base_report.h"

namespace vellumo {

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TextStyle {
  QString name = QStringLiteral("Arial");
  double points = 10;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// Text measured in one font: the width of a text and the line pitch, in
// inches.
struct TextMeasure {
  std::function<double(const QString&)> width;
  double line_height = 0;
};

// Puts `style` on `canvas` (with font line heights) and measures with it.
// REQUIRES: style.points > 0 (the canvas ignores other sizes); the canvas
// outlives the result and keeps that font while the result is used
// (drawing with the same style keeps it).
TextMeasure MeasureOn(TBaseReport& canvas, const TextStyle& style);

// Each item broken at blanks into lines no wider than `width` inches; a
// word wider than the box on its own is broken between characters. An
// empty item stays one empty line.
QStringList WrapLines(const QStringList& items, double width, const TextMeasure& measure);

// One line of a multi-line object: its text, where it starts and its band
// (top and height, cut at the box's bottom).
struct PlacedLine {
  QString text;
  double x = 0;
  double top = 0;
  double height = 0;
};

// The lines placed one line pitch apart from the box's top; lines whose
// band would start at or below the box's bottom are left out. Left lines
// start at 0, right ones end one design unit short of the right edge,
// centred ones are centred one design unit right of the middle.
std::vector<PlacedLine> PlaceLines(const QStringList& lines, QSizeF box, TAlignment alignment,
                                   const TextMeasure& measure);

// The size a multi-line object takes to show its lines: one line pitch per
// line, and at least as wide as its widest line (never narrower than it
// was).
QSizeF SizeToLines(const QStringList& lines, double current_width, const TextMeasure& measure);

// The style at a font size, measured.
using MeasureAtSize = std::function<TextMeasure(double points)>;
MeasureAtSize SizesOn(TBaseReport& canvas, const TextStyle& style);

struct ShrinkResult {
  double points = 0;
  bool fits = false;
  QStringList lines;  // as shown at that size (rewrapped when wrapping)
};

inline constexpr double kSmallestShrinkPoints = 6;

// The largest font size, from `points` down in steps of one point to 6
// points, at which every line fits within `box` (wrapped first at each
// size when `wrap`). When even 6 points do not fit, the result is 6 points
// (or `points` when smaller) with `fits` false.
// REQUIRES: points > 0.
ShrinkResult ShrinkToFit(const QStringList& items, QSizeF box, double points, bool wrap,
                         const MeasureAtSize& measure_at);

}  // namespace vellumo
