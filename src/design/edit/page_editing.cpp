// The editing state machine: clicks, rubber bands, drags of the frame,
// drawings, nudges and the clipboard keys.
#include "design/edit/page_editing.h"

#include <algorithm>
#include <optional>

#include "design/model/data_panel.h"
#include "design/model/qt_colour.h"

namespace vellumo::design {
namespace {

std::optional<ArrowKey> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Left: return ArrowKey::kLeft;
    case Qt::Key_Up: return ArrowKey::kUp;
    case Qt::Key_Right: return ArrowKey::kRight;
    case Qt::Key_Down: return ArrowKey::kDown;
    default: return std::nullopt;
  }
}

// The drag outline lies inside the frame, where the objects are.
QRect OutlineOfFrame(const QRect& frame) {
  return frame.adjusted(kFrameMarginNear, kFrameMarginNear, -kFrameMarginFarSelected, -kFrameMarginFarSelected);
}

}  // namespace

EditCursor CursorOfZone(HandleZone zone) {
  switch (zone) {
    case HandleZone::kTopLeft:
    case HandleZone::kBottomRight: return EditCursor::kSizeDiagonalDown;
    case HandleZone::kTopRight:
    case HandleZone::kBottomLeft: return EditCursor::kSizeDiagonalUp;
    case HandleZone::kTop:
    case HandleZone::kBottom: return EditCursor::kSizeVertical;
    case HandleZone::kLeft:
    case HandleZone::kRight: return EditCursor::kSizeHorizontal;
    case HandleZone::kMove: break;
  }
  return EditCursor::kHandGrab;
}

PageEditing::PageEditing(TGBasePanel* page, PageEditingHost* host) : page_(page), host_(host), frame_(page) {
  if (auto* label_page = dynamic_cast<TGLabelPanel*>(page)) {
    CreateObject = [label_page](const QRect& band) { label_page->CreateObjectInRect(band); };
  }
}

// ---- Where the pointer is.

bool PageEditing::OnFrame(QPoint units) const { return frame_.Visible() && frame_.Bounds().contains(units); }

QPoint PageEditing::OnPage(QPoint units) const {
  return QPoint(std::clamp(units.x(), 0, page_->Size().width()), std::clamp(units.y(), 0, page_->Size().height()));
}

TGGraphicControl* PageEditing::SoleSelectedAt(QPoint units) const {
  if (frame_.SelectionCount() != 1) return nullptr;
  TGGraphicControl* object = frame_.Selected(0);
  return object->Bounds().contains(units) ? object : nullptr;
}

// ---- Presses.

void PageEditing::Press(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (Tracking()) {
    if (button != Qt::LeftButton) return;  // another button while the left one drags
    DropTracking();  // the left button's release went elsewhere
  }
  if (Nudging()) FinishNudge();
  if (OnFrame(units)) {
    PressOnFrame(units, button, modifiers);
  } else if (TGGraphicControl* object = page_->ObjectAt(units)) {
    PressOnObject(object, units, button, modifiers);
  } else {
    PressOnPage(units, button);
  }
}

void PageEditing::PressOnFrame(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (button == Qt::MiddleButton || (button == Qt::LeftButton && !page_->Pointing)) {
    PressOnPage(units, button);
    return;
  }
  if (button == Qt::RightButton) {
    if (TGGraphicControl* object = SoleSelectedAt(units)) {
      host_->OpenObjectMenu(object, units);
    } else {
      host_->OpenPageMenu(units);
    }
    return;
  }
  if (button != Qt::LeftButton) return;
  if (modifiers & Qt::ShiftModifier) {
    std::vector<TGGraphicControl*> under;
    for (TGGraphicControl* object : page_->Selection()) {
      if (object->Bounds().contains(units)) under.push_back(object);
    }
    for (TGGraphicControl* object : under) frame_.RemoveFromSelection(object);
    host_->Repaint();
    Hover(units);
    return;
  }
  frame_.RecordPressTime();
  const QRect frame = frame_.Bounds();
  StartDrag(units, frame_.SelectionCount() == 1 ? ZoneAt(frame.size(), units - frame.topLeft()) : HandleZone::kMove);
}

void PageEditing::PressOnObject(TGGraphicControl* object, QPoint units, Qt::MouseButton button,
                                Qt::KeyboardModifiers modifiers) {
  if (!page_->Pointing || object->Unselectable) {
    PressOnPage(units, button);
    return;
  }
  if (!(modifiers & Qt::ShiftModifier)) frame_.ClearSelection();
  frame_.AddToSelection(object);
  // A new frame has no handle under the pointer yet: a drag that follows moves.
  zone_ = HandleZone::kMove;
  may_drag_ = button == Qt::LeftButton;
  host_->TakeFocus();
  host_->SetCursor(EditCursor::kHandGrab);
  host_->Repaint();
  if (button == Qt::RightButton && frame_.SelectionCount() == 1) host_->OpenObjectMenu(object, units);
}

void PageEditing::PressOnPage(QPoint units, Qt::MouseButton button) {
  if (button == Qt::RightButton || button == Qt::MiddleButton) {
    host_->OpenPageMenu(units);
    return;
  }
  if (button != Qt::LeftButton) return;
  mode_ = Mode::kBanding;
  band_start_ = pointer_ = OnPage(units);
  band_draws_ = !page_->Pointing;
  host_->SetCursor(band_draws_ ? EditCursor::kDrawing : EditCursor::kHandPoint);
  host_->Repaint();
}

void PageEditing::StartDrag(QPoint units, HandleZone zone) {
  mode_ = Mode::kDragging;
  zone_ = zone;
  drag_frame_ = frame_.Bounds();
  drag_objects_ = frame_.ObjectsRect();
  anchor_ = pointer_ = OnPage(units);
  host_->SetCursor(zone == HandleZone::kMove ? EditCursor::kHandGrabbing : CursorOfZone(zone));
}

void PageEditing::DoubleClick(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (!page_->Pointing) {
    Press(units, button, modifiers);  // a quick second click draws again
    return;
  }
  // The drag the first click began is dropped.
  if (Dragging()) mode_ = Mode::kIdle;
  may_drag_ = false;
  if (button != Qt::LeftButton) return;
  if (OnFrame(units)) {
    if (TGGraphicControl* object = SoleSelectedAt(units)) host_->OpenObjectMenu(object, units);
  } else if (TGGraphicControl* object = page_->ObjectAt(units)) {
    host_->OpenObjectMenu(object, units);
  }
  host_->Repaint();
}

// ---- Moves.

void PageEditing::Move(QPoint units, Qt::MouseButtons buttons) {
  if (Tracking() && !(buttons & Qt::LeftButton)) DropTracking();
  if (Tracking()) {
    pointer_ = OnPage(units);
    host_->Repaint();
    return;
  }
  if (may_drag_) {
    if (!(buttons & Qt::LeftButton)) {
      may_drag_ = false;
    } else {
      if (page_->Now() - frame_.PressTime() <= kDragDelayMs) return;
      may_drag_ = false;
      StartDrag(units, HandleZone::kMove);
      return;
    }
  }
  Hover(units);
}

void PageEditing::Hover(QPoint units) {
  if (!page_->Pointing) {
    host_->SetCursor(EditCursor::kDrawing);
    return;
  }
  if (OnFrame(units)) {
    const QRect frame = frame_.Bounds();
    zone_ = frame_.SelectionCount() == 1 ? ZoneAt(frame.size(), units - frame.topLeft()) : HandleZone::kMove;
    host_->SetCursor(CursorOfZone(zone_));
    return;
  }
  const TGGraphicControl* object = page_->ObjectAt(units);
  host_->SetCursor(object && !object->Unselectable ? EditCursor::kHandPoint : EditCursor::kDefault);
}

void PageEditing::DropTracking() {
  mode_ = Mode::kIdle;
  host_->Repaint();
}

// ---- Releases.

void PageEditing::Release(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  if (button != Qt::LeftButton) return;
  may_drag_ = false;
  if (Dragging()) {
    FinishDrag(units);
  } else if (Banding()) {
    FinishBand(units, modifiers.testFlag(Qt::ShiftModifier));
  }
}

QRect PageEditing::DragResult() const {
  const QPoint origin = drag_frame_.topLeft();
  const QRect dragged =
      DraggedFrame(zone_, drag_frame_, pointer_ - origin, anchor_ - origin, QSize(frame_.GridX(), frame_.GridY()));
  return KeepObjectsOnPage(dragged, drag_frame_, drag_objects_, page_->Size());
}

void PageEditing::FinishDrag(QPoint units) {
  pointer_ = OnPage(units);
  mode_ = Mode::kIdle;
  const bool click = page_->Now() - frame_.PressTime() < kClickMs;
  if (!click && pointer_ != anchor_) frame_.SetFrameBounds(DragResult());
  host_->Repaint();
  Hover(units);
}

QRect PageEditing::BandRect() const {
  const int left = std::min(band_start_.x(), pointer_.x()), top = std::min(band_start_.y(), pointer_.y());
  return QRect(left, top, std::abs(pointer_.x() - band_start_.x()), std::abs(pointer_.y() - band_start_.y()));
}

void PageEditing::FinishBand(QPoint units, bool shift) {
  pointer_ = OnPage(units);
  mode_ = Mode::kIdle;
  const QRect band = BandRect();
  if (band_draws_) {
    if (CreateObject) CreateObject(band);
  } else {
    SelectInBand(band, shift);
  }
  if (frame_.Visible()) host_->TakeFocus();
  host_->Repaint();
  Hover(units);
}

void PageEditing::SelectInBand(const QRect& band, bool shift) {
  std::vector<TGGraphicControl*> chosen;
  if (shift) chosen = page_->Selection();
  for (const std::unique_ptr<TGGraphicControl>& object : page_->Objects()) {
    if (object->Unselectable || !object->Bounds().intersects(band)) continue;
    const auto listed = std::find(chosen.begin(), chosen.end(), object.get());
    if (listed == chosen.end()) {
      chosen.push_back(object.get());
    } else if (shift) {
      chosen.erase(listed);
    }
  }
  frame_.ClearSelection();
  for (TGGraphicControl* object : chosen) frame_.AddToSelection(object);
}

// ---- Keys.

bool PageEditing::KeyPress(int key, Qt::KeyboardModifiers modifiers) {
  if (const std::optional<ArrowKey> arrow = ArrowOf(key)) {
    if (!frame_.Visible()) return false;
    if (Tracking()) return true;
    if (!Nudging()) {
      mode_ = Mode::kNudging;
      nudge_from_ = nudge_to_ = frame_.ObjectsRect();
    }
    const bool resize = (modifiers & Qt::ShiftModifier) && frame_.SelectionCount() == 1;
    nudge_to_ = NudgedRect(nudge_to_, *arrow, resize, page_->Size());
    host_->Repaint();
    return true;
  }
  const bool control = modifiers & Qt::ControlModifier;
  const bool clipboard_key = (control && (key == Qt::Key_C || key == Qt::Key_V || key == Qt::Key_X)) ||
                             (key == Qt::Key_Delete && !control);
  if (!clipboard_key) return false;
  // The page does not change under a running drag or band.
  if (Tracking()) return true;
  if (Nudging()) FinishNudge();
  switch (key) {
    case Qt::Key_C: Report(page_->Copy()); break;
    case Qt::Key_V: Report(page_->Paste()); break;
    case Qt::Key_X: Report(page_->Cut()); break;
    default: page_->Delete(); break;
  }
  host_->Repaint();
  return true;
}

bool PageEditing::KeyRelease(int key, bool auto_repeat) {
  if (!ArrowOf(key) || !Nudging()) return false;
  if (!auto_repeat) FinishNudge();
  return true;
}

void PageEditing::FinishNudge() {
  mode_ = Mode::kIdle;
  const QRect frame = frame_.Bounds();
  frame_.SetFrameBounds(QRect(frame.x() + nudge_to_.x() - nudge_from_.x(), frame.y() + nudge_to_.y() - nudge_from_.y(),
                              frame.width() + nudge_to_.width() - nudge_from_.width(),
                              frame.height() + nudge_to_.height() - nudge_from_.height()));
  host_->Repaint();
}

void PageEditing::Report(const Status& status) {
  if (!status.ok()) host_->ReportError(status);
}

// ---- What is drawn over the page.

EditingOverlay PageEditing::Overlay() const {
  EditingOverlay overlay;
  if (frame_.Visible()) {
    const bool one = frame_.SelectionCount() == 1;
    for (const TGGraphicControl* object : page_->Selection()) {
      const std::vector<QRect> squares = SelectionSquares(object->Bounds(), one);
      overlay.squares.insert(overlay.squares.end(), squares.begin(), squares.end());
    }
    overlay.square_colour = QtColour(frame_.SquareColour());
  }
  if (Banding()) overlay.band = BandRect();
  if (Dragging() && pointer_ != anchor_) overlay.outline = OutlineOfFrame(DragResult());
  if (Nudging()) overlay.outline = nudge_to_;
  return overlay;
}

}  // namespace vellumo::design
