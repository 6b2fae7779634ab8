// Remembered window placement: per window class and screen resolution, the
// normal bounds and whether the window was maximised. The windows apply it;
// the rules live here.
#pragma once

#include <QRect>
#include <QString>

namespace vellumo {

struct WindowPlacement {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool maximized = false;

  bool stored() const { return bottom != 0; }
};

// "TAddressMain_Placement", or "TAddressMain_Placement120" above 96 pixels per inch.
QString PlacementSection(const QString& window_class, int pixels_per_inch);

WindowPlacement ReadPlacement(const QString& section, bool maximized_default);
// A failure to write is told to the user.
void WritePlacement(const QString& section, const WindowPlacement& placement);

// Shifts a stored rectangle left or up so that it does not reach past the
// screen's right or bottom edge; the size is kept.
WindowPlacement FitToScreen(WindowPlacement placement, int screen_width, int screen_height);

// Where a window of `size` goes centred over `main`, or on the screen when
// the main window is maximised (or is the window itself).
QRect CentredOver(const QRect& main, bool main_maximized_or_self, const QSize& size,
                  const QRect& screen);

}  // namespace vellumo
