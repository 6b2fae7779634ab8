// The page view and its surface: painting through the page model, sizing
// by the zoom, and passing input on to the editing tools.
#include "design/view/page_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "design/model/design_units.h"

namespace vellumo::design {
namespace {

// The page's size at its zoom, in whole pixels.
QSize ZoomedSize(const TGBasePanel& page) {
  return ViewRect(QRect(QPoint(0, 0), page.Size()), page.Zoom()).size().toSize();
}

}  // namespace

// ---- TPageSurface.

TPageSurface::TPageSurface(const TGBasePanel* page, QWidget* parent) : QWidget(parent), page_(page) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // tools follow the pointer without a button held
  setAttribute(Qt::WA_OpaquePaintEvent);  // the page paints every pixel itself
}

QSize TPageSurface::sizeHint() const { return ZoomedSize(*page_); }

void TPageSurface::SetOverlay(Overlay overlay) {
  overlay_ = std::move(overlay);
  update();
}

void TPageSurface::HoldPageImage(bool hold) {
  hold_page_image_ = hold;
  if (!hold) page_image_ = QPixmap();
}

void TPageSurface::PaintPage(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  page_->Paint(painter);
  painter.restore();
}

QPixmap TPageSurface::PageImage() const {
  QPixmap image(size() * devicePixelRatio());
  image.setDevicePixelRatio(devicePixelRatio());
  QPainter painter(&image);
  PaintPage(painter);
  return image;
}

void TPageSurface::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (hold_page_image_) {
    if (page_image_.isNull() || page_image_.deviceIndependentSize().toSize() != size()) page_image_ = PageImage();
    painter.drawPixmap(0, 0, page_image_);
  } else {
    PaintPage(painter);
  }
  if (overlay_) overlay_(painter);
}

PageMouseEvent TPageSurface::MouseEventOf(const QMouseEvent* event) const {
  const QPointF view = event->position();
  const QPoint units = page_->UnitsAt(view);
  return {view, units, page_->ObjectAt(units), event->button(), event->buttons(), event->modifiers()};
}

void TPageSurface::mousePressEvent(QMouseEvent* event) {
  if (handler_) handler_->MousePressed(MouseEventOf(event));
}

void TPageSurface::mouseMoveEvent(QMouseEvent* event) {
  if (handler_) handler_->MouseMoved(MouseEventOf(event));
}

void TPageSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (handler_) handler_->MouseReleased(MouseEventOf(event));
}

void TPageSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  if (handler_) handler_->MouseDoubleClicked(MouseEventOf(event));
}

void TPageSurface::keyPressEvent(QKeyEvent* event) {
  if (!handler_ || !handler_->KeyPressed(event)) QWidget::keyPressEvent(event);
}

void TPageSurface::keyReleaseEvent(QKeyEvent* event) {
  if (!handler_ || !handler_->KeyReleased(event)) QWidget::keyReleaseEvent(event);
}

// ---- TPageView.

TPageView::TPageView(TGBasePanel* page, QWidget* parent)
    : QScrollArea(parent), page_(page), surface_(new TPageSurface(page, this)) {
  setBackgroundRole(QPalette::Dark);
  setAlignment(Qt::AlignCenter);
  setWidget(surface_);
  // The view may go before the page; a change after that only reaches
  // the handler that was there first.
  std::function<void()> previous = page_->LabelChangedEvent;
  page_->LabelChangedEvent = [view = QPointer<TPageView>(this), previous] {
    if (view) view->PageChanged();
    if (previous) previous();
  };
  PageChanged();
}

void TPageView::SetZoom(float zoom) {
  page_->SetZoom(zoom);
  PageChanged();
}

void TPageView::PageChanged() {
  surface_->setFixedSize(ZoomedSize(*page_));
  surface_->update();
}

QRectF TPageView::ViewRectOf(const QRect& units) const { return ViewRect(units, page_->Zoom()); }

}  // namespace vellumo::design
