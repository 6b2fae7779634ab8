// TPageView: one design page on screen. The page is drawn at its zoom on
// a surface inside a scroll area, background, outline, grid and objects
// all through TGBasePanel::Paint, so the screen shows what prints. The
// view repaints and resizes when the page reports a change, and maps view
// pixels to design units and back for the editing tools, which receive
// the surface's mouse and key input through a PageInputHandler. Any page
// kind can be shown: label, envelope or report band.
#pragma once

#include <QPixmap>
#include <QScrollArea>
#include <QWidget>
#include <functional>

#include "design/model/base_panel.h"
#include "design/view/page_input.h"

namespace vellumo::design {

// The page itself, exactly its zoomed size; input on it goes to the
// view's handler.
class TPageSurface : public QWidget {
 public:
  using Overlay = std::function<void(QPainter&)>;

  TPageSurface(const TGBasePanel* page, QWidget* parent);
  void SetInputHandler(PageInputHandler* handler) { handler_ = handler; }
  [[nodiscard]] QSize sizeHint() const override;

  // Drawn over the page on every paint, in view pixels (an editing tool's
  // marks); empty for none.
  void SetOverlay(Overlay overlay);
  // While held, the page is painted once into an image and every repaint
  // shows that image with the overlay over it: for the time a tool knows
  // that no object changes (a drag shows only its outline).
  void HoldPageImage(bool hold);
  [[nodiscard]] bool HoldsPageImage() const { return hold_page_image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  [[nodiscard]] PageMouseEvent MouseEventOf(const QMouseEvent* event) const;
  void PaintPage(QPainter& painter) const;
  [[nodiscard]] QPixmap PageImage() const;

  const TGBasePanel* page_;
  PageInputHandler* handler_ = nullptr;
  Overlay overlay_;
  bool hold_page_image_ = false;
  QPixmap page_image_;  // made on the first paint while held
};

class TPageView : public QScrollArea {
 public:
  // Hooks the view into the page's LabelChangedEvent, keeping the handler
  // set before: set the owner's handler first. REQUIRES: page outlives
  // the view.
  explicit TPageView(TGBasePanel* page, QWidget* parent = nullptr);

  [[nodiscard]] TGBasePanel* Page() const { return page_; }
  [[nodiscard]] TPageSurface* Surface() const { return surface_; }

  // Sets the page's zoom and resizes the surface; a zoom the page refuses
  // changes nothing.
  void SetZoom(float zoom);
  // Takes the page's current size and zoom and repaints; runs on every
  // change the page reports.
  void PageChanged();

  // Null for a view without editing tools. REQUIRES: the handler outlives
  // the view or is unset first.
  void SetInputHandler(PageInputHandler* handler) { surface_->SetInputHandler(handler); }

  // Surface pixels ↔ design units at the current zoom.
  [[nodiscard]] QPoint UnitsAt(QPointF surface_pixel) const { return page_->UnitsAt(surface_pixel); }
  [[nodiscard]] QRectF ViewRectOf(const QRect& units) const;

 private:
  TGBasePanel* page_;
  TPageSurface* surface_;
};

}  // namespace vellumo::design
