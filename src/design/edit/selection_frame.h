// TGHandle: the selection frame of one page. The page keeps the selection
// list; the frame encloses the selected objects, gives the colour of their
// selection squares, holds the grid steps a drag snaps to, and applies a
// change of its bounds to every selected object that is not Locked.
//
// The frame follows its page: a selection changed by a page operation
// (Select All, Delete, Send To Back ...) gives the frame of a selection
// change, objects moved or resized by other means give the re-fitted
// frame, and the page's GridSize and SnapToGrid reach the grid steps, all
// the next time the frame is asked.
#pragma once

#include <QRect>
#include <cstdint>
#include <vector>

#include "design/edit/frame_arithmetic.h"
#include "design/model/base_panel.h"
#include "design/stream/colours.h"

namespace vellumo::design {

// The grid steps a frame takes (GridValues).
inline constexpr int kSmallestGridStep = 1;
inline constexpr int kLargestGridStep = 32;
inline constexpr int kInitialStoredGridStep = 8;

class TGHandle {
 public:
  // REQUIRES: page outlives the frame.
  explicit TGHandle(TGBasePanel* page);
  TGHandle(const TGHandle&) = delete;
  TGHandle& operator=(const TGHandle&) = delete;

  [[nodiscard]] TGBasePanel* Page() const { return page_; }

  // ---- Colours of the selection squares: one object, several.
  Colour Color = kClBlack;
  Colour SecondaryColor = kClGray;
  [[nodiscard]] Colour SquareColour() const;

  // ---- Grid steps (1..32). A frame keeps the steps snapping uses (the
  // active ones, 1 while snapping is off) apart from the stored ones that
  // snapping takes up when turned on. Setting a step sets both.
  [[nodiscard]] int GridX() const;
  [[nodiscard]] int GridY() const;
  [[nodiscard]] int StoredGridX() const;
  [[nodiscard]] int StoredGridY() const;
  void SetGridX(int step);
  void SetGridY(int step);
  // True while a step is above 1.
  [[nodiscard]] bool SnapToGrid() const;
  // On: the stored steps become active; off: the active steps become 1.
  void SetSnapToGrid(bool snap);

  // ---- Selection.
  // False for an unselectable object, one not on the page and one already
  // selected. Records the press time: a drag may start on the next move.
  bool AddToSelection(TGGraphicControl* object);
  void RemoveFromSelection(TGGraphicControl* object);
  void ClearSelection();
  [[nodiscard]] int SelectionCount() const;
  // REQUIRES: 0 <= i < SelectionCount().
  [[nodiscard]] TGGraphicControl* Selected(int i) const;
  // Re-fits the frame to the selected objects after they moved or resized.
  void FitToSelection();

  // ---- The frame itself, in design units. Hidden and disabled, and
  // 24 × 24, while nothing is selected.
  [[nodiscard]] QRect Bounds() const;
  [[nodiscard]] bool Visible() const { return SelectionCount() > 0; }
  [[nodiscard]] bool Enabled() const { return Visible(); }
  // The rectangle enclosing the selected objects. REQUIRES: Visible().
  [[nodiscard]] QRect ObjectsRect() const;
  // Moves and sizes every selected object that is not Locked by the
  // difference of the new bounds from the current ones; no object drops
  // below 1 × 1. Objects that do not change report nothing.
  void SetFrameBounds(const QRect& bounds);

  // ---- Milliseconds of the page's clock at the last press that may drag.
  [[nodiscard]] int64_t PressTime() const { return press_time_; }
  void RecordPressTime() { press_time_ = page_->Now(); }

 private:
  // Takes up what changed on the page since the frame last looked.
  void FollowPage() const;
  void FollowPageGrid() const;
  void Fit(int far_margin) const;
  [[nodiscard]] std::vector<QRect> SelectedBounds() const;

  TGBasePanel* page_;
  int64_t press_time_ = 0;
  // What the frame last saw of the page, and what it made of it.
  mutable std::vector<TGGraphicControl*> seen_selection_;
  mutable std::vector<QRect> seen_bounds_;
  mutable TGridSize seen_grid_size_;
  mutable bool seen_snap_ = false;
  mutable QRect bounds_{0, 0, kEmptyFrameSize, kEmptyFrameSize};
  mutable QSize stored_steps_{kInitialStoredGridStep, kInitialStoredGridStep};
  mutable QSize active_steps_{kSmallestGridStep, kSmallestGridStep};
};

}  // namespace vellumo::design
