// The page editor: input to the editing state machine, its marks over
// the page, pointer shapes, focus and the menu and failure hooks.
#include "design/editor/page_editor.h"

#include <QKeyEvent>

namespace vellumo::design {

TPageEditor::TPageEditor(TPageView* view)
    : QObject(view), page_(view->Page()), surface_(view->Surface()), editing_(view->Page(), this) {
  view->SetInputHandler(this);
  surface_->SetOverlay([this](QPainter& painter) { PaintEditingOverlay(painter, editing_.Overlay(), page_->Zoom()); });
}

TPageEditor::~TPageEditor() {
  if (!surface_) return;
  surface_->SetInputHandler(nullptr);
  surface_->SetOverlay({});
  surface_->HoldPageImage(false);
  surface_->unsetCursor();
}

Qt::CursorShape TPageEditor::ShapeOf(EditCursor cursor) {
  switch (cursor) {
    case EditCursor::kDefault: return Qt::ArrowCursor;
    case EditCursor::kHandGrab: return Qt::OpenHandCursor;
    case EditCursor::kHandGrabbing: return Qt::ClosedHandCursor;
    case EditCursor::kHandPoint: return Qt::PointingHandCursor;
    case EditCursor::kSizeDiagonalDown: return Qt::SizeFDiagCursor;
    case EditCursor::kSizeDiagonalUp: return Qt::SizeBDiagCursor;
    case EditCursor::kSizeVertical: return Qt::SizeVerCursor;
    case EditCursor::kSizeHorizontal: return Qt::SizeHorCursor;
    case EditCursor::kDrawing: return Qt::CrossCursor;
  }
  return Qt::ArrowCursor;
}

// ---- Input.

void TPageEditor::MousePressed(const PageMouseEvent& event) {
  editing_.Press(event.units, event.button, event.modifiers);
}

void TPageEditor::MouseMoved(const PageMouseEvent& event) { editing_.Move(event.units, event.buttons); }

void TPageEditor::MouseReleased(const PageMouseEvent& event) {
  editing_.Release(event.units, event.button, event.modifiers);
}

void TPageEditor::MouseDoubleClicked(const PageMouseEvent& event) {
  editing_.DoubleClick(event.units, event.button, event.modifiers);
}

bool TPageEditor::KeyPressed(QKeyEvent* event) { return editing_.KeyPress(event->key(), event->modifiers()); }

bool TPageEditor::KeyReleased(QKeyEvent* event) { return editing_.KeyRelease(event->key(), event->isAutoRepeat()); }

// ---- What editing asks for.

QPoint TPageEditor::GlobalPoint(QPoint units) const {
  return surface_->mapToGlobal(QPointF(units) * double(page_->Zoom())).toPoint();
}

void TPageEditor::OpenObjectMenu(TGGraphicControl* object, QPoint units) {
  if (ObjectMenuRequested) ObjectMenuRequested(object, GlobalPoint(units));
}

void TPageEditor::OpenPageMenu(QPoint units) {
  if (PageMenuRequested) PageMenuRequested(GlobalPoint(units));
}

void TPageEditor::SetCursor(EditCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  surface_->setCursor(ShapeOf(cursor));
}

void TPageEditor::Repaint() {
  // Objects that change are repainted by the view; here only the marks
  // move, so where they were and where they are now is enough.
  surface_->HoldPageImage(editing_.Tracking());
  const QRect area = editing_.Overlay().ViewArea(page_->Zoom());
  surface_->update(overlay_area_ | area);
  overlay_area_ = area;
}

void TPageEditor::TakeFocus() { surface_->setFocus(Qt::MouseFocusReason); }

void TPageEditor::ReportError(const Status& status) {
  if (ErrorReported) ErrorReported(QString::fromStdString(status.ToString()));
}

}  // namespace vellumo::design
