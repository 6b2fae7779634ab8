// Stored colours ($00BBGGRR, system colours, clNone) as the colours the
// canvas draws with.
#pragma once

#include <QColor>

#include "design/stream/colours.h"

namespace vellumo::design {

// System colours take the usual light-scheme colours (window white, text
// black, button face silver, others grey); clNone is transparent.
QColor QtColour(Colour colour);

}  // namespace vellumo::design
