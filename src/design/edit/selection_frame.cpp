// The selection frame: its bounds over the page's selection, its grid
// steps, and moves and resizes of the selected objects.
#include "design/edit/selection_frame.h"

#include <algorithm>

namespace vellumo::design {
namespace {

QSize BothSteps(int step) { return QSize(step, step); }

}  // namespace

// The page's grid size at creation is its default, not a setting: the
// frame keeps its own steps until the page's grid size changes.
TGHandle::TGHandle(TGBasePanel* page) : page_(page), seen_grid_size_(page->GridSize) {}

Colour TGHandle::SquareColour() const { return SelectionCount() == 1 ? Color : SecondaryColor; }

// ---- Grid steps.

void TGHandle::FollowPageGrid() const {
  if (seen_grid_size_ != page_->GridSize) {
    seen_grid_size_ = page_->GridSize;
    stored_steps_ = BothSteps(page_->GridStep());
    // A new grid size does not by itself turn snapping on.
    active_steps_ = seen_snap_ ? stored_steps_ : BothSteps(kSmallestGridStep);
  }
  if (seen_snap_ != page_->SnapToGrid) {
    seen_snap_ = page_->SnapToGrid;
    if (seen_snap_) stored_steps_ = BothSteps(page_->GridStep());
    active_steps_ = seen_snap_ ? stored_steps_ : BothSteps(kSmallestGridStep);
  }
}

int TGHandle::GridX() const {
  FollowPageGrid();
  return active_steps_.width();
}

int TGHandle::GridY() const {
  FollowPageGrid();
  return active_steps_.height();
}

int TGHandle::StoredGridX() const {
  FollowPageGrid();
  return stored_steps_.width();
}

int TGHandle::StoredGridY() const {
  FollowPageGrid();
  return stored_steps_.height();
}

void TGHandle::SetGridX(int step) {
  FollowPageGrid();
  step = std::clamp(step, kSmallestGridStep, kLargestGridStep);
  stored_steps_.setWidth(step);
  active_steps_.setWidth(step);
}

void TGHandle::SetGridY(int step) {
  FollowPageGrid();
  step = std::clamp(step, kSmallestGridStep, kLargestGridStep);
  stored_steps_.setHeight(step);
  active_steps_.setHeight(step);
}

bool TGHandle::SnapToGrid() const { return GridX() > kSmallestGridStep || GridY() > kSmallestGridStep; }

void TGHandle::SetSnapToGrid(bool snap) {
  FollowPageGrid();
  active_steps_ = snap ? stored_steps_ : BothSteps(kSmallestGridStep);
}

// ---- Selection.

std::vector<QRect> TGHandle::SelectedBounds() const {
  std::vector<QRect> bounds;
  bounds.reserve(page_->Selection().size());
  for (const TGGraphicControl* object : page_->Selection()) bounds.push_back(object->Bounds());
  return bounds;
}

void TGHandle::Fit(int far_margin) const {
  seen_selection_ = page_->Selection();
  seen_bounds_ = SelectedBounds();
  if (seen_bounds_.empty()) {
    bounds_.setSize(QSize(kEmptyFrameSize, kEmptyFrameSize));
  } else {
    bounds_ = FrameAround(EnclosingRect(seen_bounds_), far_margin);
  }
}

void TGHandle::FollowPage() const {
  const std::vector<TGGraphicControl*>& selection = page_->Selection();
  if (selection != seen_selection_) {
    Fit(kFrameMarginFarSelected);
    return;
  }
  for (size_t i = 0; i < selection.size(); ++i) {
    if (selection[i]->Bounds() != seen_bounds_[i]) {
      Fit(kFrameMarginFarFitted);
      return;
    }
  }
}

bool TGHandle::AddToSelection(TGGraphicControl* object) {
  FollowPage();
  if (page_->IsSelected(object) || !page_->AddToSelection(object)) return false;
  Fit(kFrameMarginFarSelected);
  RecordPressTime();
  return true;
}

void TGHandle::RemoveFromSelection(TGGraphicControl* object) {
  page_->RemoveFromSelection(object);
  Fit(kFrameMarginFarSelected);
}

void TGHandle::ClearSelection() {
  page_->ClearSelection();
  Fit(kFrameMarginFarSelected);
}

int TGHandle::SelectionCount() const { return int(page_->Selection().size()); }

TGGraphicControl* TGHandle::Selected(int i) const { return page_->Selection()[size_t(i)]; }

void TGHandle::FitToSelection() { Fit(kFrameMarginFarFitted); }

// ---- Bounds.

QRect TGHandle::Bounds() const {
  FollowPage();
  return bounds_;
}

QRect TGHandle::ObjectsRect() const { return EnclosingRect(SelectedBounds()); }

void TGHandle::SetFrameBounds(const QRect& bounds) {
  const QRect old = Bounds();
  // A copy: a change handler may look at the selection meanwhile.
  const std::vector<TGGraphicControl*> selection = page_->Selection();
  for (TGGraphicControl* object : selection) {
    if (object->Locked) continue;
    object->SetBounds(QRect(bounds.x() + object->Left() - old.x(), bounds.y() + object->Top() - old.y(),
                            std::max(1, object->Width() + bounds.width() - old.width()),
                            std::max(1, object->Height() + bounds.height() - old.height())));
  }
}

}  // namespace vellumo::design
