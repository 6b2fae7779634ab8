// Alignment, centring, locking and selectability of the page's objects.
#include <algorithm>
#include <climits>

#include "design/model/base_panel.h"

namespace vellumo::design {

// Left = the smallest Left of the selection, at most the page width.
void TGBasePanel::AlignLeft() {
  if (selection_.empty()) return;
  int left = INT_MAX;
  for (const TGGraphicControl* object : selection_) left = std::min(left, object->Left());
  left = std::min(left, size_.width());
  for (TGGraphicControl* object : selection_) object->SetLeft(left);
  NotifyChanged();
}

// Right edges on the largest right edge of the selection, at least 0.
void TGBasePanel::AlignRight() {
  if (selection_.empty()) return;
  int right = 0;
  for (const TGGraphicControl* object : selection_) right = std::max(right, object->Right());
  for (TGGraphicControl* object : selection_) object->SetLeft(right - object->Width());
  NotifyChanged();
}

void TGBasePanel::AlignTops() {
  if (selection_.empty()) return;
  int top = INT_MAX;
  for (const TGGraphicControl* object : selection_) top = std::min(top, object->Top());
  top = std::min(top, size_.height());
  for (TGGraphicControl* object : selection_) object->SetTop(top);
  NotifyChanged();
}

void TGBasePanel::AlignBottoms() {
  if (selection_.empty()) return;
  int bottom = 0;
  for (const TGGraphicControl* object : selection_) bottom = std::max(bottom, object->Bottom());
  for (TGGraphicControl* object : selection_) object->SetTop(bottom - object->Height());
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
