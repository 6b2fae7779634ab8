// The image browser's preview: a picture object drawn by its own drawing,
// as it will show on the page, with the browser's "Stretch" and
// "AutoSize" choices. Without AutoSize the picture lies 5 pixels inside
// the frame on every side.
#pragma once

#include <QWidget>
#include <optional>

#include "design/model/image_object.h"

namespace vellumo::design {

class PicturePreview : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kInset = 5;

  explicit PicturePreview(QWidget* parent = nullptr);

  void ShowPicture(std::optional<DesignPicture> picture);
  void SetStretch(bool stretch);
  void SetAutoSize(bool auto_size);
  [[nodiscard]] const TGImage& image() const { return image_; }

  QSize sizeHint() const override { return QSize(160, 160); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Place();

  TGImage image_;
};

}  // namespace vellumo::design
