// Stored colours as QColors.
#include "design/model/qt_colour.h"

namespace vellumo::design {
namespace {

constexpr Colour kSystemWindow = kSystemColourBase + 5;
constexpr Colour kSystemWindowText = kSystemColourBase + 8;
constexpr Colour kSystemButtonFace = kSystemColourBase + 15;

}  // namespace

QColor QtColour(Colour colour) {
  if (colour == kClNone) return QColor(Qt::transparent);
  if (colour >= kSystemColourBase) {
    switch (colour) {
      case kSystemWindow: return QColor(Qt::white);
      case kSystemWindowText: return QColor(Qt::black);
      case kSystemButtonFace: return QColor(0xC0, 0xC0, 0xC0);
      default: return QColor(0x80, 0x80, 0x80);
    }
  }
  return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

}  // namespace vellumo::design
