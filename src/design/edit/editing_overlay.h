// What editing shows over the page: the selection squares, and while the
// user works the rubber band or the outline of a drag or nudge. A view
// draws it on top of the page's own painting.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <optional>
#include <vector>

namespace vellumo::design {

struct EditingOverlay {
  std::vector<QRect> squares;     // design units
  QColor square_colour;
  std::optional<QRect> band;      // normalised, design units
  std::optional<QRect> outline;   // where a drag or nudge would put the objects

  // The view pixels the overlay covers at `zoom` (with room for its pens).
  [[nodiscard]] QRect ViewArea(float zoom) const;
};

// Paints the overlay on a painter in view pixels: squares filled, the band
// and the outline as dotted rectangles that show on any background.
void PaintEditingOverlay(QPainter& painter, const EditingOverlay& overlay, float zoom);

}  // namespace vellumo::design
