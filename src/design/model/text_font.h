// The font of the text objects: its stored form (name, height in design
// units, colour, style bits) as the text library's style for measuring and
// drawing, and the font new text objects start with.
#pragma once

#include <QColor>

#include "design/stream/nested_properties.h"
#include "design/text/text_layout.h"

namespace vellumo::design {

// "Arial", 10 points (height -13 at 96 pixels per inch), black.
StoredFont DefaultTextFont();

// The point size follows from the height; 0 for a font of no size, which
// draws nothing. Strike-out is not printed.
TextStyle StyleOfFont(const StoredFont& font);

// The font's colour for SetFontColor.
QColor FontColour(const StoredFont& font);

}  // namespace vellumo::design
