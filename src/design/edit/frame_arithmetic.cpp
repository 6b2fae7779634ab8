// Handle zones, dragged frame bounds, nudges and selection squares.
#include "design/edit/frame_arithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace vellumo::design {
namespace {

// Corners and edges take a pointer closer than this across the edge.
constexpr int kHandleReach = 8;
// Edge middles take a pointer closer than this along the edge.
constexpr int kMiddleReach = 6;
constexpr int kSquareSide = 5;
// Squares sit on the object's rectangle widened by this on each side.
constexpr int kSquareWidening = 2;
// An edge-middle square spans this far before its centre (and 3 after).
constexpr int kSquareBeforeCentre = 2;

// Whether a position lies closer than 6 to the middle of a length, the
// middle being length / 2 exactly: |2 × position − length| < 12.
bool NearMiddle(int position, int length) { return std::abs(2 * position - length) < 2 * kMiddleReach; }

}  // namespace

QRect EnclosingRect(const std::vector<QRect>& rects) {
  int left = rects.front().x(), top = rects.front().y();
  int right = left + rects.front().width(), bottom = top + rects.front().height();
  for (const QRect& r : rects) {
    left = std::min(left, r.x());
    top = std::min(top, r.y());
    right = std::max(right, r.x() + r.width());
    bottom = std::max(bottom, r.y() + r.height());
  }
  return QRect(left, top, right - left, bottom - top);
}

QRect FrameAround(const QRect& objects, int far_margin) {
  return QRect(objects.x() - kFrameMarginNear, objects.y() - kFrameMarginNear,
               objects.width() + kFrameMarginNear + far_margin, objects.height() + kFrameMarginNear + far_margin);
}

HandleZone ZoneAt(QSize frame, QPoint pointer) {
  const int x = pointer.x(), y = pointer.y(), w = frame.width(), h = frame.height();
  const bool near_left = x < kHandleReach, near_top = y < kHandleReach;
  const bool near_right = w - x < kHandleReach, near_bottom = h - y < kHandleReach;
  HandleZone zone = HandleZone::kMove;
  // In the order the zones are tested; a later match wins.
  if (near_left && near_top) zone = HandleZone::kTopLeft;
  if (near_right && near_bottom) zone = HandleZone::kBottomRight;
  if (near_right && near_top) zone = HandleZone::kTopRight;
  if (near_left && near_bottom) zone = HandleZone::kBottomLeft;
  if (NearMiddle(x, w) && near_top) zone = HandleZone::kTop;
  if (NearMiddle(x, w) && near_bottom) zone = HandleZone::kBottom;
  if (NearMiddle(y, h) && near_left) zone = HandleZone::kLeft;
  if (NearMiddle(y, h) && near_right) zone = HandleZone::kRight;
  return zone;
}

int Snap(int v, int step) { return v / step * step; }

QRect DraggedFrame(HandleZone zone, const QRect& frame, QPoint pointer, QPoint anchor, QSize grid) {
  const int l = frame.x(), t = frame.y(), w = frame.width(), h = frame.height();
  const int dx = pointer.x() - anchor.x(), dy = pointer.y() - anchor.y();
  const int moved_left = Snap(l + dx, grid.width()), moved_top = Snap(t + dy, grid.height());
  const int dragged_width = Snap(w + dx, grid.width()) - 1, dragged_height = Snap(h + dy, grid.height()) - 1;
  int left = l, top = t, width = w, height = h;
  const bool takes_left = zone == HandleZone::kMove || zone == HandleZone::kTopLeft ||
                          zone == HandleZone::kBottomLeft || zone == HandleZone::kLeft;
  const bool takes_top = zone == HandleZone::kMove || zone == HandleZone::kTopLeft || zone == HandleZone::kTopRight ||
                         zone == HandleZone::kTop;
  const bool takes_right = zone == HandleZone::kTopRight || zone == HandleZone::kBottomRight || zone == HandleZone::kRight;
  const bool takes_bottom =
      zone == HandleZone::kBottomLeft || zone == HandleZone::kBottomRight || zone == HandleZone::kBottom;
  if (takes_left) {
    left = moved_left;
    // A moved left edge keeps the right edge where it was, except for a move.
    if (zone != HandleZone::kMove) width = w + l - left;
  }
  if (takes_top) {
    top = moved_top;
    if (zone != HandleZone::kMove) height = h + t - top;
  }
  if (takes_right) width = dragged_width;
  if (takes_bottom) height = dragged_height;
  if (width <= kSmallestFrameSide) width = kSmallFrameSideBecomes;
  if (height <= kSmallestFrameSide) height = kSmallFrameSideBecomes;
  return QRect(left, top, width, height);
}

QRect KeepObjectsOnPage(const QRect& moved, const QRect& frame, const QRect& objects, QSize page) {
  const auto shift = [](int start, int length, int page_length) {
    if (start + length < 1) return 1 - (start + length);
    if (start > page_length - 1) return page_length - 1 - start;
    return 0;
  };
  const int left = moved.x() + objects.x() - frame.x(), top = moved.y() + objects.y() - frame.y();
  const int width = std::max(1, objects.width() + moved.width() - frame.width());
  const int height = std::max(1, objects.height() + moved.height() - frame.height());
  return moved.translated(shift(left, width, page.width()), shift(top, height, page.height()));
}

QRect NudgedRect(const QRect& rect, ArrowKey key, bool resize, QSize page) {
  QRect r = rect;
  const int right = r.x() + r.width(), bottom = r.y() + r.height();
  switch (key) {
    case ArrowKey::kLeft:
      if (resize && r.width() > kSmallestNudgedSide) r.setWidth(r.width() - 1);
      if (!resize && r.x() > 0) r.translate(-1, 0);
      break;
    case ArrowKey::kUp:
      if (resize && r.height() > kSmallestNudgedSide) r.setHeight(r.height() - 1);
      if (!resize && r.y() > 0) r.translate(0, -1);
      break;
    case ArrowKey::kRight:
      if (right < page.width()) resize ? r.setWidth(r.width() + 1) : r.translate(1, 0);
      break;
    case ArrowKey::kDown:
      if (bottom < page.height()) resize ? r.setHeight(r.height() + 1) : r.translate(0, 1);
      break;
  }
  return r;
}

std::vector<QRect> SelectionSquares(const QRect& object, bool edge_middles) {
  const QRect widened = object.adjusted(-kSquareWidening, -kSquareWidening, kSquareWidening, kSquareWidening);
  const int left = widened.x(), top = widened.y();
  const int right = left + widened.width() - kSquareSide, bottom = top + widened.height() - kSquareSide;
  const QSize side(kSquareSide, kSquareSide);
  std::vector<QRect> squares = {QRect(QPoint(left, top), side), QRect(QPoint(right, top), side),
                                QRect(QPoint(left, bottom), side), QRect(QPoint(right, bottom), side)};
  if (edge_middles) {
    const int middle_x = left + widened.width() / 2 - kSquareBeforeCentre;
    const int middle_y = top + widened.height() / 2 - kSquareBeforeCentre;
    squares.insert(squares.end(), {QRect(QPoint(middle_x, top), side), QRect(QPoint(middle_x, bottom), side),
                                   QRect(QPoint(left, middle_y), side), QRect(QPoint(right, middle_y), side)});
  }
  return squares;
}

}  // namespace vellumo::design
