// What the text dialogs do to a text object when they close with "Ok":
// a new caption (the object grows to fit it), a new font and 3-D look,
// new lines. Each tells the object's page of the change.
#pragma once

#include <QColor>
#include <QString>
#include <string>
#include <vector>

#include "design/model/multi_line_label.h"
#include "design/model/text_label.h"

namespace vellumo::design {

// The multi-line editor holds at most this many characters.
inline constexpr int kMaxMultiLineText = 254;

// Replaces the caption and grows an unrotated object to it (wide enough
// for the caption and five spaces, high enough for a line; never smaller).
void ReplaceCaption(TGPLabel& label, const QString& caption);

// The font and the six 3-D values of a single-line object.
struct TextLook {
  StoredFont font;
  TextEffects effects;
  Colour shadow = kClGray;
  Colour highlight = kClAqua;

  bool operator==(const TextLook& other) const {
    const TextEffects& e = other.effects;
    return font == other.font && effects.DirectionShadow == e.DirectionShadow &&
           effects.DepthShadow == e.DepthShadow && effects.DirectionHighlight == e.DirectionHighlight &&
           effects.DepthHighlight == e.DepthHighlight && shadow == other.shadow && highlight == other.highlight;
  }
};
[[nodiscard]] TextLook LookOf(const TGBaseLabel& label);
void ApplyLook(TGBaseLabel& label, const TextLook& look);

// The lines of an edit text (line ends "\n", "\r\n" or "\r") and back.
[[nodiscard]] std::vector<std::string> LinesOfText(const QString& text);
[[nodiscard]] QString TextOfLines(const std::vector<std::string>& lines);
// Replaces the lines of a multi-line object and sizes it to them (one
// line pitch per line, wrapped at its width with WordWrap, room for the
// placeholder when it has none, never narrower); wrapping at its width is
// redone wherever it is drawn.
void ReplaceLines(TGMultiLineBaseLabel& label, const QString& text);

// The colour a design file stores for a colour chosen on screen.
[[nodiscard]] Colour StoredColour(const QColor& colour);

}  // namespace vellumo::design
