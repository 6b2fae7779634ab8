// Applying remembered placement to windows.
#include "core/windows/window_placement_ops.h"

#include <QScreen>
#include <QWidget>

#include "core/window_placement.h"

namespace vellumo {
namespace {

// Screen pixels per inch are fixed, so each class keeps one placement.
constexpr int kScreenPixelsPerInch = 96;

QString SectionOf(const QString& window_class) { return PlacementSection(window_class, kScreenPixelsPerInch); }

}  // namespace

void RestoreWindowPlacement(QWidget* window, const QString& window_class) {
  const WindowPlacement placement = ReadPlacement(SectionOf(window_class), window->isMaximized());
  const QRect screen = window->screen()->availableGeometry();
  if (placement.stored()) {
    const WindowPlacement fitted = FitToScreen(placement, screen.width(), screen.height());
    window->setGeometry(QRect(QPoint(fitted.left, fitted.top), QPoint(fitted.right - 1, fitted.bottom - 1)));
  } else {
    // Over the window it belongs to; the main window itself on the screen.
    const QWidget* main = window->parentWidget() ? window->parentWidget()->window() : window;
    window->setGeometry(CentredOver(main->geometry(), main == window || main->isMaximized(), window->size(), screen));
  }
  if (placement.maximized) window->setWindowState(window->windowState() | Qt::WindowMaximized);
  SaveWindowPlacement(window, window_class);
}

void SaveWindowPlacement(QWidget* window, const QString& window_class) {
  const QRect bounds = window->normalGeometry().isValid() ? window->normalGeometry() : window->geometry();
  WritePlacement(SectionOf(window_class), WindowPlacement{bounds.left(), bounds.top(), bounds.right() + 1,
                                                          bounds.bottom() + 1, window->isMaximized()});
}

}  // namespace vellumo
