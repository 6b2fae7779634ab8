// PageEditing: the input state machine of a design page. It takes mouse
// presses, moves and releases and key presses in design units and turns
// them into selections (clicks, Shift-clicks, rubber bands), moves and
// resizes through the selection frame's handles, drawings of the current
// tool, keyboard nudges and the clipboard keys. What it cannot do without
// a window (menus, cursors, repaints, focus, messages) it asks its host.
//
// Times come from the page's clock (`TGBasePanel::Now`): a move more than
// 10 ms after a press that selected an object starts a drag, and a drag
// released less than 150 ms after its press moves nothing.
#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>
#include <functional>

#include "design/edit/editing_overlay.h"
#include "design/edit/frame_arithmetic.h"
#include "design/edit/selection_frame.h"
#include "design/model/base_panel.h"

namespace vellumo::design {

// Pointer shapes editing asks for.
enum class EditCursor {
  kDefault,
  kHandGrab,        // over a selection
  kHandGrabbing,    // while a selection is dragged
  kHandPoint,       // over objects, and during rubber-band selection
  kSizeDiagonalDown,  // top-left / bottom-right
  kSizeDiagonalUp,    // top-right / bottom-left
  kSizeVertical,
  kSizeHorizontal,
  kDrawing,         // a drawing tool is active
};

// The pointer shape of a drag of this zone.
[[nodiscard]] EditCursor CursorOfZone(HandleZone zone);

class PageEditingHost {
 public:
  virtual ~PageEditingHost() = default;
  // The object's pop-up menu at a design-unit point.
  virtual void OpenObjectMenu(TGGraphicControl* object, QPoint units) = 0;
  // The page's pop-up menu at a design-unit point.
  virtual void OpenPageMenu(QPoint units) = 0;
  virtual void SetCursor(EditCursor cursor) = 0;
  // What is drawn over the page changed.
  virtual void Repaint() = 0;
  // Keys should come to the page: something was selected.
  virtual void TakeFocus() = 0;
  // A clipboard key failed.
  virtual void ReportError(const Status& status) = 0;
};

// Milliseconds after a selecting press from which moving drags.
inline constexpr int64_t kDragDelayMs = 10;
// A drag released sooner than this after its press leaves all in place.
inline constexpr int64_t kClickMs = 150;

class PageEditing {
 public:
  // On a label page the drawing tools create their objects through
  // TGLabelPanel::CreateObjectInRect; other pages set CreateObject.
  // REQUIRES: page and host outlive the editing.
  PageEditing(TGBasePanel* page, PageEditingHost* host);
  PageEditing(const PageEditing&) = delete;
  PageEditing& operator=(const PageEditing&) = delete;

  [[nodiscard]] TGBasePanel* Page() const { return page_; }
  [[nodiscard]] TGHandle& Frame() { return frame_; }
  [[nodiscard]] const TGHandle& Frame() const { return frame_; }

  // Creates the current tool's object in a rubber band drawn in drawing
  // mode (the page fires DroppedObjectEvent when it made one).
  std::function<void(const QRect&)> CreateObject;

  // ---- Input, at design-unit points of the page (which may lie outside it).
  void Press(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void Move(QPoint units, Qt::MouseButtons buttons);
  void Release(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void DoubleClick(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  // True when the key was used. Auto-repeated presses nudge further.
  bool KeyPress(int key, Qt::KeyboardModifiers modifiers);
  // True when the key was used; auto-repeated releases do not end a nudge.
  bool KeyRelease(int key, bool auto_repeat);

  // ---- State, for the view.
  // A drag or band is running: the objects do not change until it ends.
  [[nodiscard]] bool Tracking() const { return mode_ == Mode::kDragging || mode_ == Mode::kBanding; }
  [[nodiscard]] bool Dragging() const { return mode_ == Mode::kDragging; }
  [[nodiscard]] bool Banding() const { return mode_ == Mode::kBanding; }
  [[nodiscard]] bool Nudging() const { return mode_ == Mode::kNudging; }
  // The zone the next drag of the frame takes.
  [[nodiscard]] HandleZone Zone() const { return zone_; }
  [[nodiscard]] EditingOverlay Overlay() const;

 private:
  enum class Mode { kIdle, kDragging, kBanding, kNudging };

  void PressOnFrame(QPoint units, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void PressOnObject(TGGraphicControl* object, QPoint units, Qt::MouseButton button,
                     Qt::KeyboardModifiers modifiers);
  void PressOnPage(QPoint units, Qt::MouseButton button);
  void StartDrag(QPoint units, HandleZone zone);
  void FinishDrag(QPoint units);
  void FinishBand(QPoint units, bool shift);
  void FinishNudge();
  // Ends a drag or band whose release never came, changing nothing.
  void DropTracking();
  void Hover(QPoint units);
  void SelectInBand(const QRect& band, bool shift);
  // The selected object under a point when exactly one is selected.
  [[nodiscard]] TGGraphicControl* SoleSelectedAt(QPoint units) const;
  [[nodiscard]] bool OnFrame(QPoint units) const;
  [[nodiscard]] QPoint OnPage(QPoint units) const;
  [[nodiscard]] QRect DragResult() const;
  [[nodiscard]] QRect BandRect() const;
  void Report(const Status& status);

  TGBasePanel* page_;
  PageEditingHost* host_;
  TGHandle frame_;
  Mode mode_ = Mode::kIdle;
  // The left button is held since a press that selected an object.
  bool may_drag_ = false;
  HandleZone zone_ = HandleZone::kMove;
  // Drag: the frame and anchor at its start and the pointer now, on the page.
  QRect drag_frame_;
  QRect drag_objects_;
  QPoint anchor_;
  QPoint pointer_;
  // Band: where it began; pointer_ is its other corner.
  QPoint band_start_;
  bool band_draws_ = false;
  // Nudge: the objects' rectangle at the start and where the keys took it.
  QRect nudge_from_;
  QRect nudge_to_;
};

}  // namespace vellumo::design
