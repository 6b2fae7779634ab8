// The 3-D effects sample.
#include "design/windows/effects_sample.h"

#include <QPainter>

namespace vellumo::design {

EffectsSample::EffectsSample(QWidget* parent) : QWidget(parent) {
  sample_.Caption = "Sample";
  setMinimumSize(sizeHint());
}

void EffectsSample::ShowLook(const TextLook& look) {
  ApplyLook(sample_, look);
  update();
}

void EffectsSample::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  // One design unit is one pixel here (zoom 1.0).
  sample_.PaintObject(painter, 1.0f);
}

void EffectsSample::resizeEvent(QResizeEvent*) { sample_.SetBounds(QRect(QPoint(0, 0), size())); }

}  // namespace vellumo::design
