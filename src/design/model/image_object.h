// TGImage: a bitmap or metafile picture, drawn over the whole object
// (Stretch) or at its own size from the object's corner, clipped to the
// object. The picture's stored block is kept byte for byte.
#pragma once

#include <QPicture>
#include <optional>

#include "design/model/graphic_control.h"
#include "design/pictures/design_picture.h"

namespace vellumo::design {

class TGImage : public TGGraphicControl {
 public:
  TGImage() : TGGraphicControl(105, 105) {}
  [[nodiscard]] std::string_view ClassName() const override { return "TGImage"; }

  // The picture, or null when the object is empty.
  [[nodiscard]] const DesignPicture* Picture() const { return picture_ ? &*picture_ : nullptr; }
  // Takes the picture (none empties the object); with AutoSize the object
  // takes the picture's size.
  void SetPicture(std::optional<DesignPicture> picture);

  [[nodiscard]] bool Stretch() const { return stretch_; }
  [[nodiscard]] bool AutoSize() const { return auto_size_; }
  // Stretch and AutoSize exclude each other: setting one sets the other false.
  void SetStretch(bool stretch);
  void SetAutoSize(bool auto_size);

  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
  void ScreenExtras(TBaseReport& canvas, double x0, double y0) const override;

 private:
  void FitToPicture();
  // Metafiles: the picture as drawn in the object's box, recorded once per
  // picture, size and Stretch, so that printing many labels replays it.
  const QPicture& Recording() const;
  // Bitmaps and icons: the part of the picture that shows, decoded once
  // per picture, size and Stretch, so that a PDF holds it only once.
  const QImage& ShownPixels() const;

  std::optional<DesignPicture> picture_;
  bool stretch_ = true;
  bool auto_size_ = false;

  struct Drawing {
    QSize size;
    bool stretch = true;
    QPicture recording;
    QImage pixels;
  };
  // The cached drawing, or null when the picture, the size or Stretch changed.
  const Drawing* CurrentDrawing() const;
  // An empty drawing for the present size and Stretch, replacing the old one.
  Drawing& FreshDrawing() const;
  mutable std::optional<Drawing> drawing_;
};

}  // namespace vellumo::design
