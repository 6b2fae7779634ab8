// The single-line text objects: TGBaseLabel draws one caption with an
// optional shadow and highlight copy, turned by 0, 90, 180 or 270 degrees,
// aligned, on a transparent or coloured background; TGPLabel is its fixed
// text and TGPDLabel shows one field of the page's record. The geometry
// comes from the text library's single-line layout, measured on the canvas
// that draws.
#pragma once

#include <optional>
#include <string>

#include "design/model/graphic_control.h"
#include "design/model/text_font.h"
#include "design/stream/colours.h"
#include "design/text/single_line_layout.h"

namespace vellumo::design {

class TGBaseLabel : public TGGraphicControl {
 public:
  std::string Caption = "Text";
  StoredFont Font = DefaultTextFont();
  TAlignment Alignment = taLeftJustify;
  TextEffects Effects;
  Colour colorShadow = kClGray;
  Colour colorHighlight = kClAqua;
  bool Transparent = true;
  Colour BackColor = kClWhite;

  [[nodiscard]] int Angle() const { return angle_; }
  // Takes 0, 90, 180 and 270 only (any other angle is ignored). A turned
  // object is left-aligned, and one lying the wrong way for its angle
  // swaps its width and height.
  void SetAngle(int angle);

  void ApplyFont(const StoredFont& font) override;
  // The caption's copies, each clipped to its rectangle: the shadow and the
  // highlight where they have a depth and a direction, then the main text
  // on top in the font colour.
  void PrintAt(TBaseReport& canvas, double x0, double y0) const override;

  // Unrotated objects only: makes the object at least as wide as the
  // caption shown on screen and five spaces from the rightmost copy's
  // left edge, and as high as a line from the lowest copy's top, measured
  // at zoom 1.0. It never shrinks.
  void GrowToFit();
  // A single-line object drawn with a tool grows to its caption.
  void SizeToContent() override { GrowToFit(); }

 protected:
  TGBaseLabel() : TGGraphicControl(142, 33) {}
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
  void PrintOnScreen(TBaseReport& canvas, double x0, double y0) const override;

  // The text an object draws and the font it draws it in.
  struct ShownText {
    QString text;
    TextStyle style;
  };
  // What the object shows on `canvas`, on screen or on paper: the caption
  // in its font unless the object computes its text (a counter, a date, a
  // page number) or draws in a stand-in font (a symbol).
  [[nodiscard]] virtual ShownText Shown(const TBaseReport& canvas, bool on_screen) const;
  // The caption the stored form holds, none to leave it out (a data
  // field's caption is a record value).
  [[nodiscard]] virtual std::optional<std::string> StoredCaption() const { return Caption; }
  // The layout of what is shown in the object's box, measured on `canvas`.
  [[nodiscard]] SingleLineLayout LayOut(TBaseReport& canvas, const ShownText& shown, TextMeasure* measure) const;

 private:
  void Draw(TBaseReport& canvas, double x0, double y0, const ShownText& shown) const;

  int angle_ = 0;
};

class TGPLabel : public TGBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGPLabel"; }
};

class TGPDLabel : public TGBaseLabel {
 public:
  [[nodiscard]] std::string_view ClassName() const override { return "TGPDLabel"; }

  std::string DataFieldName;
  std::string DataFieldDescript;  // the display label the field is found by
  int32_t LengthOfText = 0;       // stored only

  // The field's value, "<blank field>" for a blank one on screen, the
  // bracketed label while field names show, "<undefined field>" when
  // unbound (while printing an unbound object keeps its caption).
  void RefreshData(const RecordSource& record) override;
  void ClearData() override { Caption.clear(); }

 protected:
  void WriteOwnProperties(PropertyWriter& writer) const override;
  Status ReadOwnProperty(const PropertyReader& reader, const StoredProperty& property) override;
  [[nodiscard]] std::optional<std::string> StoredCaption() const override { return std::nullopt; }
};

}  // namespace vellumo::design
