// Replaying recorded pages.
#include "printing/page_store.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

namespace vellumo {

void PageStore::Replay(size_t index, QPainter* painter, double scale) const {
  if (index >= pages.size()) return;
  painter->save();
  // A picture records only the changes its painter saw, so the text drawn
  // before any pen change takes whatever pen the replaying painter holds
  // (a widget's: its palette's text colour, white on a dark background).
  // Pages replay from the state they were recorded from.
  painter->setPen(QPen(Qt::black));
  painter->setBrush(Qt::NoBrush);
  painter->setFont(QFont());
  painter->setBackgroundMode(Qt::TransparentMode);
  painter->setOpacity(1);
  painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
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
