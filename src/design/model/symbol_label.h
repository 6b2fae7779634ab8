// TGSymbolLabel: one character of a symbol font, "WingDings" 24 points at
// first. Its 8-bit code is drawn through the symbol font mapping, so it
// prints the same picture on systems without that font. The object keeps
// itself 1.1 times the size of its character and ignores the page's Font
// command.
#pragma once

#include <cstdint>

#include "design/model/text_label.h"

namespace vellumo::design {

class TGSymbolLabel : public TGBaseLabel {
 public:
  TGSymbolLabel();
  [[nodiscard]] std::string_view ClassName() const override { return "TGSymbolLabel"; }

  // The character's 8-bit code; 0 when the caption is empty.
  [[nodiscard]] uint8_t Code() const;
  // The symbol chooser's choice: the font and the character of `code`;
  // the object resizes to it.
  void SetSymbol(const StoredFont& font, uint8_t code);
  // trunc(1.1 × the character's width) × trunc(1.1 × its height), in its
  // font at zoom 1.0.
  [[nodiscard]] QSize SymbolSize() const;

  // The symbol keeps the font chosen for it.
  void ApplyFont(const StoredFont&) override {}
  // A symbol drawn with a tool takes its character's size.
  void SizeToContent() override { Resize(); }

 protected:
  [[nodiscard]] ShownText Shown(const TBaseReport& canvas, bool on_screen) const override;
  // On a page, any new bounds give way to the character's size.
  void BoundsChanged() override;

 private:
  void Resize();
  [[nodiscard]] ShownText Glyph() const;
};

}  // namespace vellumo::design
