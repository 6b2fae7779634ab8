// Design tool icons drawn in code: each picture is a few strokes on a
// 24 × 24 grid that the painter scales to the size asked.
#include "design/toolbar/tool_icons.h"

#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <array>
#include <cmath>

namespace vellumo::design {
namespace {

constexpr double kGrid = 24;
const QColor kNormalInk(0x20, 0x20, 0x20);
const QColor kDisabledInk(0xa0, 0xa0, 0xa0);

// Text in grid units; the painter's scale takes it to the icon's size.
void DrawText(QPainter& painter, const QRectF& box, const QString& text, int grid_height) {
  QFont font(QStringLiteral("Sans Serif"));
  font.setPixelSize(grid_height);
  font.setBold(true);
  painter.setFont(font);
  painter.drawText(box, Qt::AlignCenter, text);
}

// Bars standing on a common base line, from x = 3 to 21.
void DrawBars(QPainter& painter, const QColor& ink, const std::array<std::pair<double, double>, 10>& tops_and_bottoms) {
  double x = 3;
  for (const auto& [top, bottom] : tops_and_bottoms) {
    painter.fillRect(QRectF(x, top, 1.2, bottom - top), ink);
    x += 2;
  }
}

// An arrow turning back to the left (undo); mirrored, to the right (redo).
void DrawTurnArrow(QPainter& painter, const QColor& ink, bool mirrored) {
  painter.save();
  if (mirrored) {
    painter.translate(kGrid, 0);
    painter.scale(-1, 1);
  }
  QPainterPath turn;
  turn.moveTo(19, 19);
  turn.cubicTo(20, 11, 15, 8, 8, 9.5);
  painter.drawPath(turn);
  painter.setPen(Qt::NoPen);
  painter.setBrush(ink);
  painter.drawPolygon(QPolygonF({{3, 10}, {10, 4.5}, {10, 14.5}}));
  painter.restore();
}

QPolygonF Star(QPointF centre, double outer, double inner) {
  QPolygonF star;
  for (int i = 0; i < 10; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const double radius = i % 2 == 0 ? outer : inner;
    star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
  }
  return star;
}

void DrawGridDots(QPainter& painter, const QColor& ink) {
  for (int y = 4; y <= 20; y += 4) {
    for (int x = 4; x <= 20; x += 4) painter.fillRect(QRectF(x - 1, y - 1, 2, 2), ink);
  }
}

void DrawLines(QPainter& painter, double left, double top, const std::array<double, 3>& lengths) {
  for (size_t i = 0; i < lengths.size(); ++i) {
    const double y = top + 4 * double(i);
    painter.drawLine(QPointF(left, y), QPointF(left + lengths[i], y));
  }
}

void DrawOnGrid(QPainter& painter, DesignIcon icon, const QColor& ink) {
  QPen pen(ink, 1.5);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const QRectF whole(0, 0, kGrid, kGrid);
  switch (icon) {
    case DesignIcon::kArrow: {
      const QPolygonF arrow({{7, 3}, {7, 19}, {11, 15.5}, {13.5, 21}, {16, 20}, {13.5, 14.5}, {18, 14.5}});
      painter.setBrush(ink);
      painter.drawPolygon(arrow);
      break;
    }
    case DesignIcon::kText: DrawText(painter, whole, QStringLiteral("A"), 19); break;
    case DesignIcon::kMultiLineText:
      DrawText(painter, QRectF(1, 1, 10, 11), QStringLiteral("A"), 10);
      painter.drawLine(QPointF(12, 6.5), QPointF(21, 6.5));
      DrawLines(painter, 3, 12.5, {18, 15, 11});
      break;
    case DesignIcon::kCounter: DrawText(painter, whole, QStringLiteral("123"), 11); break;
    case DesignIcon::kSymbol:
      painter.setBrush(ink);
      painter.drawPolygon(Star(QPointF(12, 12.8), 9.5, 4));
      break;
    case DesignIcon::kRectangle: painter.drawRect(QRectF(3.5, 6.5, 17, 11)); break;
    case DesignIcon::kEllipse: painter.drawEllipse(QRectF(2.5, 5.5, 19, 13)); break;
    case DesignIcon::kRoundRect: painter.drawRoundedRect(QRectF(3.5, 6.5, 17, 11), 4, 4); break;
    case DesignIcon::kLine:
      pen.setCapStyle(Qt::RoundCap);
      pen.setWidthF(2);
      painter.setPen(pen);
      painter.drawLine(QPointF(4, 20), QPointF(20, 4));
      break;
    case DesignIcon::kPicture: {
      painter.drawRect(QRectF(2.5, 4.5, 19, 15));
      painter.setPen(Qt::NoPen);
      painter.setBrush(ink);
      painter.drawPolygon(QPolygonF({{4, 18}, {10, 10}, {14, 15}, {16.5, 12.5}, {20, 18}}));
      painter.drawEllipse(QRectF(15, 6.5, 3.5, 3.5));
      break;
    }
    case DesignIcon::kPostnet:
      DrawBars(painter, ink, {{{5, 19}, {13, 19}, {13, 19}, {5, 19}, {13, 19}, {5, 19}, {13, 19}, {13, 19},
                               {5, 19}, {5, 19}}});
      break;
    case DesignIcon::kIntelligentMail:
      // Full, ascending, descending and tracking bars.
      DrawBars(painter, ink, {{{5, 19}, {5, 14}, {10, 19}, {10, 14}, {5, 19}, {10, 19}, {5, 14}, {10, 14},
                               {10, 19}, {5, 19}}});
      break;
    case DesignIcon::kField: DrawText(painter, whole, QStringLiteral("[F]"), 12); break;
    case DesignIcon::kMemo: {
      QPainterPath page;
      page.moveTo(5.5, 2.5);
      page.lineTo(14.5, 2.5);
      page.lineTo(18.5, 6.5);
      page.lineTo(18.5, 21.5);
      page.lineTo(5.5, 21.5);
      page.closeSubpath();
      painter.drawPath(page);
      painter.drawPolyline(QPolygonF({{14.5, 2.5}, {14.5, 6.5}, {18.5, 6.5}}));
      pen.setWidthF(1.2);
      painter.setPen(pen);
      DrawLines(painter, 8, 10.5, {8, 8, 5});
      break;
    }
    case DesignIcon::kAddress:
      painter.drawRect(QRectF(1.5, 4.5, 21, 15));
      pen.setWidthF(1.2);
      painter.setPen(pen);
      DrawLines(painter, 5, 8.5, {10, 14, 12});
      break;
    case DesignIcon::kGrid: DrawGridDots(painter, ink); break;
    case DesignIcon::kSnap:
      DrawGridDots(painter, ink);
      painter.drawRect(QRectF(8, 8, 8, 8));
      break;
    case DesignIcon::kArt: {
      painter.drawRoundedRect(QRectF(2.5, 5.5, 19, 13), 3, 3);
      QPainterPath flourish;
      flourish.moveTo(5, 14);
      flourish.cubicTo(8, 6, 11, 18, 13, 11);
      flourish.cubicTo(15, 6, 18, 10, 19, 12);
      painter.drawPath(flourish);
      break;
    }
    case DesignIcon::kFieldNames: DrawText(painter, whole, QStringLiteral("[a]"), 12); break;
    case DesignIcon::kUndo: DrawTurnArrow(painter, ink, false); break;
    case DesignIcon::kRedo: DrawTurnArrow(painter, ink, true); break;
  }
}

class PaintedIconEngine final : public QIconEngine {
 public:
  explicit PaintedIconEngine(DesignIcon icon) : icon_(icon) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    PaintDesignIcon(*painter, icon_, rect, mode == QIcon::Disabled ? kDisabledInk : kNormalInk);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  QIconEngine* clone() const override { return new PaintedIconEngine(icon_); }

 private:
  DesignIcon icon_;
};

}  // namespace

void PaintDesignIcon(QPainter& painter, DesignIcon icon, const QRectF& rect, const QColor& ink) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const double side = std::min(rect.width(), rect.height());
  painter.translate(rect.center() - QPointF(side / 2, side / 2));
  painter.scale(side / kGrid, side / kGrid);
  DrawOnGrid(painter, icon, ink);
  painter.restore();
}

QIcon DesignToolIcon(DesignIcon icon) { return QIcon(new PaintedIconEngine(icon)); }

}  // namespace vellumo::design
