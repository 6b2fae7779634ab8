// Replaying recorded pages.
#include "printing/page_store.h"

#include <QImage>
#include <QPainter>

namespace vellumo {

void PageStore::Replay(size_t index, QPainter* painter, double scale) const {
  if (index >= pages.size()) return;
  painter->save();
  painter->scale(scale, scale);
  painter->drawPicture(QPointF(0, 0), pages[index]);
  painter->restore();
}

QImage PageStore::Render(size_t index, double render_dpi) const {
  QImage image(QSize(qRound(page_inches.width() * render_dpi), qRound(page_inches.height() * render_dpi)),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  Replay(index, &painter, render_dpi / dpi);
  return image;
}

}  // namespace vellumo
