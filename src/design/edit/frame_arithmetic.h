// The arithmetic of the selection frame, as plain functions over design
// units: which handle zone a pointer is in, the frame bounds a drag of a
// zone gives (with grid snapping), the frame around a set of objects, the
// nudge of an outline by one arrow key, and the selection squares.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace vellumo::design {

// The part of the frame a drag takes: 0 moves, 1–4 are the corners,
// 5–8 the middles of the edges.
enum class HandleZone {
  kMove = 0,
  kTopLeft = 1,
  kTopRight = 2,
  kBottomLeft = 3,
  kBottomRight = 4,
  kTop = 5,
  kLeft = 6,
  kBottom = 7,
  kRight = 8,
};

// The frame lies this far outside the objects' rectangle: on the left and
// top, and on the right and bottom right after a selection change or
// after a re-fit once objects were moved or resized.
inline constexpr int kFrameMarginNear = 2;
inline constexpr int kFrameMarginFarSelected = 3;
inline constexpr int kFrameMarginFarFitted = 4;
// The hidden frame of an empty selection.
inline constexpr int kEmptyFrameSize = 24;
// Neither width nor height of a resized frame drops to this or below.
inline constexpr int kSmallestFrameSide = 4;
inline constexpr int kSmallFrameSideBecomes = 5;

// The rectangle enclosing all rectangles (left, top, right = left + width,
// bottom = top + height; empty rectangles count too). REQUIRES: non-empty.
[[nodiscard]] QRect EnclosingRect(const std::vector<QRect>& rects);

// The frame around objects whose enclosing rectangle is `objects`.
[[nodiscard]] QRect FrameAround(const QRect& objects, int far_margin);

// The zone under a pointer in frame coordinates (0, 0 at the frame's
// corner) of a frame of this size; kMove outside the handles. Corners
// take a pointer less than 8 units from them both ways, edge middles one
// less than 6 along the edge from its exact (maybe half-unit) middle and
// less than 8 across; zones are tested 1, 4, 2, 3, 5, 7, 6, 8 and a later
// match wins.
[[nodiscard]] HandleZone ZoneAt(QSize frame, QPoint pointer);

// v rounded to a multiple of step, toward zero. REQUIRES: step ≥ 1.
[[nodiscard]] int Snap(int v, int step);

// The frame's new bounds when a drag of `zone` that began at `anchor`
// has reached `pointer` (both in the frame's coordinates), snapped to
// steps of `grid` (1 × 1 without snapping). A width or height of 4 or
// less becomes 5.
[[nodiscard]] QRect DraggedFrame(HandleZone zone, const QRect& frame, QPoint pointer, QPoint anchor, QSize grid);

// `moved` shifted, when needed, so that the objects it carries (at
// `objects` inside `frame` before the drag) keep at least one unit on the
// page each way; a frame that is dragged by a point of its margin could
// otherwise put them wholly past the page's edge, out of reach.
[[nodiscard]] QRect KeepObjectsOnPage(const QRect& moved, const QRect& frame, const QRect& objects, QSize page);

enum class ArrowKey { kLeft, kUp, kRight, kDown };

// Objects narrower or lower than this are not shrunk by a nudge.
inline constexpr int kSmallestNudgedSide = 10;

// The objects' rectangle after one arrow press: `resize` (Shift with one
// object selected) moves the right or bottom edge by one, down to 10
// units wide or high and no further than the page's edge; otherwise the
// rectangle moves by one while it stays on the page.
[[nodiscard]] QRect NudgedRect(const QRect& rect, ArrowKey key, bool resize, QSize page);

// The 5 × 5 selection squares of one selected object: at the corners of
// its rectangle widened by 2 on each side, and with `edge_middles` (one
// object selected) at the middles of that rectangle's edges.
[[nodiscard]] std::vector<QRect> SelectionSquares(const QRect& object, bool edge_middles);

}  // namespace vellumo::design
