// The drawing state a metafile changes as it plays: its object table of
// pens, brushes and fonts, colours and modes, the mapping from its logical
// coordinates to the reference device, the current position, an open path
// and the saved states. The Windows and enhanced metafile players decode
// records into calls on this one context, which draws onto a QPainter.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace vellumo {

struct GdiPen {
  uint32_t style = 0;  // low 4 bits: solid, dash, dot, dash-dot, dash-dot-dot, null, inside frame
  double width = 0;    // logical units; 0 is one device pixel
  QColor color = Qt::black;
};

struct GdiBrush {
  uint32_t style = 0;  // solid, null, hatched, pattern (3, 5 and 6)
  QColor color = Qt::white;
  uint32_t hatch = 0;
  QImage pattern;
};

struct GdiFont {
  double height = 0;  // logical units; negative: the character height, positive: the cell height
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  QString face;
};

// An object the player must keep a slot for but does not draw with
// (palettes, regions, brushes it cannot decode).
struct GdiPlaceholder {};

using GdiObject = std::variant<GdiPlaceholder, GdiPen, GdiBrush, GdiFont>;

enum class ArcKind { kArc, kChord, kPie };

// Text as ExtTextOut and TextOut give it.
struct GdiText {
  QPointF reference;
  QString text;                  // for an 8-bit string, one character per byte (below U+0100)
  bool eight_bit = true;         // false: the text is already Unicode
  std::vector<double> advances;  // logical units per character; empty: the font's own
  uint32_t options = 0;          // ETO_OPAQUE 2, ETO_CLIPPED 4
  std::optional<QRectF> rect;
};

class GdiContext {
 public:
  // Device units are those of the metafile's reference device:
  // `device_frame` is the picture's frame in them, drawn onto `target`
  // of the painter; `device_per_mm` serves the metric mapping modes.
  GdiContext(QPainter& painter, const QRectF& device_frame, const QRectF& target, double device_per_mm);
  ~GdiContext();
  GdiContext(const GdiContext&) = delete;
  GdiContext& operator=(const GdiContext&) = delete;

  // Object table. Windows metafiles fill the lowest free slot; enhanced
  // metafiles name the slot.
  void storeObject(uint32_t index, GdiObject object);
  void storeInFreeSlot(GdiObject object);
  void selectObject(uint32_t index);  // an empty slot changes nothing
  void selectStockObject(uint32_t stock);
  void deleteObject(uint32_t index);
  [[nodiscard]] const GdiFont& font() const { return state_.font; }

  void setTextColor(QColor color) { state_.text_color = color; }
  void setBackgroundColor(QColor color) { state_.background_color = color; }
  void setBackgroundOpaque(bool opaque) { state_.background_opaque = opaque; }
  void setTextAlign(uint32_t align) { state_.text_align = align; }
  void setWindingFill(bool winding) { state_.winding_fill = winding; }
  void setMapMode(int mode) { state_.map_mode = mode; }
  void setWindowOrg(QPointF origin) { state_.window_org = origin; }
  void setWindowExt(QSizeF extent);
  void setViewportOrg(QPointF origin) { state_.viewport_org = origin; }
  void setViewportExt(QSizeF extent);
  // Transforms with non-finite numbers or no inverse are ignored.
  void setWorldTransform(const QTransform& transform);
  void offsetWindowOrg(QPointF by) { state_.window_org += by; }
  void offsetViewportOrg(QPointF by) { state_.viewport_org += by; }
  // Multiplies the extent by x_num / x_den and y_num / y_den; a zero
  // denominator or result leaves it.
  void scaleWindowExt(double x_num, double x_den, double y_num, double y_den);
  void scaleViewportExt(double x_num, double x_den, double y_num, double y_den);
  // Modes: 1 identity, 2 left-multiply, 3 right-multiply, 4 set.
  void modifyWorldTransform(const QTransform& transform, uint32_t mode);
  void intersectClip(const QRectF& logical_rect);
  void save();
  // `which` < 0 counts back from the last save; > 0 is a save's number.
  void restore(int which);

  void moveTo(QPointF point);
  void lineTo(QPointF point);
  void polygon(const QPolygonF& points);
  void polyPolygon(const std::vector<QPolygonF>& polygons);
  void polyline(const QPolygonF& points);
  void polylineTo(const QPolygonF& points);
  // Cubic Béziers: from the current position when `from_current`, else
  // from the first point.
  void polyBezier(const QPolygonF& points, bool from_current);
  void rectangle(const QRectF& box);
  void roundRect(const QRectF& box, QSizeF corner);
  void ellipse(const QRectF& box);
  void arc(ArcKind kind, const QRectF& box, QPointF start, QPointF end);
  void text(const GdiText& text);
  // Draws the `source` part of `image` (in image pixels, y from the top)
  // into the logical rectangle `dest`; a negative width or height mirrors.
  void bitmap(const QImage& image, const QRectF& dest, const QRectF& source, uint32_t rop);
  void setPixel(QPointF point, QColor color);
  // A block transfer without a source: the brush, black or white.
  void patternBlit(const QRectF& dest, uint32_t rop);

  void beginPath();
  void endPath() { path_open_ = false; }
  void abortPath();
  void closeFigure();
  void fillPath();
  void strokePath();
  void strokeAndFillPath();

 private:
  struct State {
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QColor text_color = Qt::black;
    QColor background_color = Qt::white;
    bool background_opaque = true;
    uint32_t text_align = 0;
    bool winding_fill = false;
    int map_mode = 1;
    QPointF window_org;
    QSizeF window_ext{1, 1};
    QPointF viewport_org;
    QSizeF viewport_ext{1, 1};
    QTransform world;
    QPointF position;
    std::optional<QRectF> clip;  // in target coordinates
  };

  [[nodiscard]] QTransform logicalToTarget() const;
  [[nodiscard]] QTransform mapping() const;
  void preparePainter(bool with_pen, bool with_brush);
  void drawPath(const QPainterPath& path, bool stroke, bool fill);
  // Adds to the open path; false when no path is open.
  bool addToPath(const QPainterPath& shape);
  [[nodiscard]] Qt::FillRule fillRule() const;

  QPainter& painter_;
  QTransform device_to_target_;
  QRectF target_;
  double device_per_mm_;
  State state_;
  std::vector<State> saved_;
  std::vector<GdiObject> objects_;
  std::vector<bool> used_;
  QPainterPath path_;
  bool path_open_ = false;
};

}  // namespace vellumo
