// Alignment, centring, locking and selectability of the page's objects.
#include <algorithm>
#include <climits>

#include "design/model/base_panel.h"

namespace vellumo::design {

// Near edges (left, top) go to the smallest among the selection, at most
// the page's width or height; far edges (right, bottom) to the largest,
// at least 0.
void TGBasePanel::AlignSelection(bool vertical, bool far_edge) {
  if (selection_.empty()) return;
  const auto start = [vertical](const TGGraphicControl* o) { return vertical ? o->Top() : o->Left(); };
  const auto extent = [vertical](const TGGraphicControl* o) { return vertical ? o->Height() : o->Width(); };
  int target = far_edge ? 0 : INT_MAX;
  for (const TGGraphicControl* object : selection_) {
    const int edge = start(object) + (far_edge ? extent(object) : 0);
    target = far_edge ? std::max(target, edge) : std::min(target, edge);
  }
  if (!far_edge) target = std::min(target, vertical ? size_.height() : size_.width());
  for (TGGraphicControl* object : selection_) {
    const int moved = target - (far_edge ? extent(object) : 0);
    if (vertical) {
      object->SetTop(moved);
    } else {
      object->SetLeft(moved);
    }
  }
  NotifyChanged();
}

// Integer halves truncate toward zero.
void TGBasePanel::CenterObjectVertically(TGGraphicControl* object) {
  object->SetTop(size_.height() / 2 - object->Height() / 2);
}

void TGBasePanel::CenterObjectHorizontally(TGGraphicControl* object) {
  object->SetLeft(size_.width() / 2 - object->Width() / 2);
}

void TGBasePanel::CenterVertically() {
  for (TGGraphicControl* object : selection_) CenterObjectVertically(object);
  NotifyChanged();
}

void TGBasePanel::CenterHorizontally() {
  for (TGGraphicControl* object : selection_) CenterObjectHorizontally(object);
  NotifyChanged();
}

void TGBasePanel::LockAll() {
  ForEachObject([](TGGraphicControl& object) { object.Locked = true; });
  NotifyChanged();
}

void TGBasePanel::UnlockAll() {
  ForEachObject([](TGGraphicControl& object) { object.Locked = false; });
  NotifyChanged();
}

void TGBasePanel::MarkAllSelectable() {
  ForEachObject([](TGGraphicControl& object) { object.Unselectable = false; });
  NotifyChanged();
}

void TGBasePanel::MarkAllUnselectable() {
  ForEachObject([](TGGraphicControl& object) { object.Unselectable = true; });
  selection_.clear();
  NotifyChanged();
}

void TGBasePanel::SetObjectUnselectable(TGGraphicControl* object, bool unselectable) {
  object->Unselectable = unselectable;
  if (unselectable) RemoveFromSelection(object);
  NotifyChanged();
}

}  // namespace vellumo::design
