// A measure for layout tests whose results are known by counting: every
// character 0.1 inch wide, lines 1/6 inch apart (16 design units).
#pragma once

#include "design/text/text_layout.h"

namespace vellumo {

inline TextMeasure FixedPitch() {
  return {[](const QString& text) { return 0.1 * static_cast<double>(text.size()); }, 1.0 / 6};
}

}  // namespace vellumo
