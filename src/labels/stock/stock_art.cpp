// Stock art drawn from the stock's geometry: the pre-printed artwork
// itself is not shipped, so the art shows the label's outline and, for
// stocks with artwork, a hatched band where the printed border lies.
#include "labels/stock/stock_art.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

#include "design/screen_ppi.h"

namespace vellumo {
namespace {

constexpr std::array<std::string_view, 25> kArtworkNames = {
    "AV12295", "AV12297", "AV2180", "AV4160", "AV4161", "AV4168", "AV4169", "AV4266", "AV5097",
    "AV5196",  "AV5198",  "AV5305", "AV5385", "AV5386", "AV5391", "AV5766", "AV5776", "AV5824",
    "AV5895",  "AV5896",  "AV8166", "AVWSD5", "AVWSD8", "AVWSI13", "AVWSI15"};

// Pixels between the label's edge and its outline, and the band's width.
constexpr double kOutlineInset = 3;
constexpr double kBandWidth = 6;
constexpr double kHatchStep = 6;
// Corner radius of a rounded label, as the page draws it.
constexpr double kCornerRadius = 12;

int Pixels(double inches) { return std::max(1, int(std::lround(inches * kScreenPpi))); }

QPainterPath ShapeInside(const std::string& shape, QSize size, double inset) {
  const QRectF rect = QRectF(0, 0, size.width() - 1, size.height() - 1).adjusted(inset, inset, -inset, -inset);
  QPainterPath path;
  if (rect.width() <= 0 || rect.height() <= 0) return path;
  if (shape == "EL") {
    path.addEllipse(rect);
  } else if (shape == "RR") {
    const double radius = std::max(0.0, kCornerRadius - inset);
    path.addRoundedRect(rect, radius, radius);
  } else {
    path.addRect(rect);
  }
  return path;
}

}  // namespace

std::string StockArtName(std::string_view art) {
  std::string name(art.substr(0, art.find('.')));
  for (char& c : name) c = char(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

bool HasPrintedArtwork(std::string_view art_name) {
  return std::find(kArtworkNames.begin(), kArtworkNames.end(), art_name) != kArtworkNames.end();
}

QImage DrawStockArt(const StockGeometry& geometry, std::string_view art) {
  const QSize size(Pixels(geometry.label_width), Pixels(geometry.label_height));
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  // No smoothing: the art holds exactly two colours.
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kStockArtInk, 1));
  painter.setBrush(Qt::NoBrush);
  const QPainterPath outline = ShapeInside(geometry.shape, size, kOutlineInset);
  painter.drawPath(outline);
  if (!HasPrintedArtwork(StockArtName(art))) return image;

  const QPainterPath inner = ShapeInside(geometry.shape, size, kOutlineInset + kBandWidth);
  painter.drawPath(inner);
  painter.setClipPath(outline.subtracted(inner));
  for (double x = -size.height(); x < size.width(); x += kHatchStep) {
    painter.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
  }
  return image;
}

}  // namespace vellumo
