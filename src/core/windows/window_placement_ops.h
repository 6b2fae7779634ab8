// Remembered placement applied to windows: the bounds and maximised state
// a window of a class had when it last closed, kept per screen resolution.
#pragma once

#include <QString>

class QWidget;

namespace vellumo {

// Gives `window` its stored bounds, moved back onto the screen when they
// reach past its right or bottom edge (when none are stored: centred over
// the window it belongs to, or on the screen), maximises it when it was,
// then stores them at once so that the class always has a placement.
void RestoreWindowPlacement(QWidget* window, const QString& window_class);
// Stores the window's normal bounds and whether it is maximised.
void SaveWindowPlacement(QWidget* window, const QString& window_class);

}  // namespace vellumo
