// Metafile colours: a 32-bit value with red in the low byte, then green
// and blue; the top byte (palette flags) is ignored.
#pragma once

#include <QColor>
#include <cstdint>

namespace vellumo {

inline QColor ColourFromRef(uint32_t ref) {
  return QColor(static_cast<int>(ref & 0xFF), static_cast<int>(ref >> 8 & 0xFF), static_cast<int>(ref >> 16 & 0xFF));
}

}  // namespace vellumo
