// TPageEditor: makes a page view editable. It takes the surface's mouse
// and key input to the page's editing state machine, draws the selection
// squares, rubber band and drag outline over the page, sets the pointer's
// shape and the keyboard focus, and hands the pop-up menus and failures to
// whoever builds them. While a drag or band runs the page's picture is
// held, so a move repaints only the outline over it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "design/edit/page_editing.h"
#include "design/view/page_view.h"

namespace vellumo::design {

class TPageEditor : public QObject, public PageInputHandler, private PageEditingHost {
 public:
  // Installs itself as the view's input handler and overlay; a child of
  // the view, so it goes with it. REQUIRES: the view's page outlives it.
  explicit TPageEditor(TPageView* view);
  ~TPageEditor() override;

  [[nodiscard]] PageEditing& Editing() { return editing_; }
  [[nodiscard]] TGHandle& Frame() { return editing_.Frame(); }

  // The object's pop-up menu, at a screen point.
  std::function<void(TGGraphicControl* object, QPoint global_pos)> ObjectMenuRequested;
  // The page's pop-up menu, at a screen point.
  std::function<void(QPoint global_pos)> PageMenuRequested;
  // A failure the user must be told of (a clipboard key that failed).
  std::function<void(const QString& message)> ErrorReported;

  // The pointer shape the surface shows for an editing cursor.
  [[nodiscard]] static Qt::CursorShape ShapeOf(EditCursor cursor);

  // ---- PageInputHandler.
  void MousePressed(const PageMouseEvent& event) override;
  void MouseMoved(const PageMouseEvent& event) override;
  void MouseReleased(const PageMouseEvent& event) override;
  void MouseDoubleClicked(const PageMouseEvent& event) override;
  bool KeyPressed(QKeyEvent* event) override;
  bool KeyReleased(QKeyEvent* event) override;

 private:
  // ---- PageEditingHost.
  void OpenObjectMenu(TGGraphicControl* object, QPoint units) override;
  void OpenPageMenu(QPoint units) override;
  void SetCursor(EditCursor cursor) override;
  void Repaint() override;
  void TakeFocus() override;
  void ReportError(const Status& status) override;

  [[nodiscard]] QPoint GlobalPoint(QPoint units) const;

  TGBasePanel* page_;
  // The surface goes before its view's children, this one included.
  QPointer<TPageSurface> surface_;
  PageEditing editing_;
  EditCursor cursor_ = EditCursor::kDefault;
  // The surface pixels the overlay covered when last drawn.
  QRect overlay_area_;
};

}  // namespace vellumo::design
