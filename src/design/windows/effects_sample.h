// The white sample area of the 3-D effects dialog: a fixed text "Sample"
// drawn by the text object's own drawing, so it looks as the object will.
#pragma once

#include <QWidget>

#include "design/model/text_label.h"
#include "design/windows/text_edits.h"

namespace vellumo::design {

class EffectsSample : public QWidget {
  Q_OBJECT

 public:
  explicit EffectsSample(QWidget* parent = nullptr);

  // Shows the text with this font and 3-D look.
  void ShowLook(const TextLook& look);
  [[nodiscard]] const TGPLabel& sample() const { return sample_; }

  QSize sizeHint() const override { return QSize(220, 70); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TGPLabel sample_;
};

}  // namespace vellumo::design
