// The symbol character: its code, its stand-in glyph and its size.
#include "design/model/symbol_label.h"

#include <cmath>

#include "design/model/design_units.h"
#include "design/model/screen_canvas.h"
#include "design/pictures/symbol_font.h"
#include "design/stream/font_size.h"
#include "xbase/codepage.h"

namespace vellumo::design {
namespace {

constexpr double kSymbolMargin = 1.1;

}  // namespace

TGSymbolLabel::TGSymbolLabel() {
  Caption = "[";
  Font.name = "WingDings";
  Font.height = FontHeightFromPoints(24);
}

uint8_t TGSymbolLabel::Code() const {
  const std::string bytes = xbase::Utf8ToWindows1252(Caption);
  return bytes.empty() ? 0 : uint8_t(bytes[0]);
}

void TGSymbolLabel::SetSymbol(const StoredFont& font, uint8_t code) {
  Font = font;
  const char byte = char(code);
  Caption = xbase::Windows1252ToUtf8(std::string_view(&byte, 1));
  Resize();
  Changed();
}

TGBaseLabel::ShownText TGSymbolLabel::Glyph() const {
  ShownText shown{QString(), StyleOfFont(Font)};
  if (Caption.empty()) return shown;
  const SymbolGlyph glyph = SymbolFont::resolve(QString::fromStdString(Font.name), Code());
  shown.text = glyph.text;
  shown.style.name = glyph.family;
  return shown;
}

TGBaseLabel::ShownText TGSymbolLabel::Shown(const TBaseReport&, bool) const { return Glyph(); }

QSize TGSymbolLabel::SymbolSize() const {
  const ShownText glyph = Glyph();
  if (glyph.style.points <= 0 || glyph.text.isEmpty()) return Bounds().size();
  TMeasuringReport canvas;
  const TextMeasure measure = MeasureOn(canvas, glyph.style);
  const double width = measure.width(glyph.text) * kScreenPpi;
  const double height = (canvas.FontAscent() + canvas.FontDescent()) * kScreenPpi;
  return QSize(int(kSymbolMargin * width), int(kSymbolMargin * height));
}

void TGSymbolLabel::Resize() { SetBounds(QRect(Bounds().topLeft(), SymbolSize())); }

void TGSymbolLabel::BoundsChanged() {
  if (Page()) Resize();
}

}  // namespace vellumo::design
