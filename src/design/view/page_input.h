// What the page view passes on from the mouse and keyboard: positions in
// view pixels and in design units, and the object under the pointer. The
// editing tools (selection, moving, drawing) implement PageInputHandler;
// the view itself does nothing with input.
#pragma once

#include <QPoint>
#include <QPointF>
#include <Qt>

class QKeyEvent;

namespace vellumo::design {

class TGGraphicControl;

struct PageMouseEvent {
  QPointF view;                      // pixels of the page surface
  QPoint units;                      // the design-unit point under it
  TGGraphicControl* object;          // front-most object there, or null
  Qt::MouseButton button;            // the button that changed (NoButton on a move)
  Qt::MouseButtons buttons;          // the buttons held
  Qt::KeyboardModifiers modifiers;
};

class PageInputHandler {
 public:
  virtual ~PageInputHandler() = default;
  virtual void MousePressed(const PageMouseEvent&) {}
  virtual void MouseMoved(const PageMouseEvent&) {}
  virtual void MouseReleased(const PageMouseEvent&) {}
  virtual void MouseDoubleClicked(const PageMouseEvent&) {}
  // True when the key was used; the view passes other keys on.
  virtual bool KeyPressed(QKeyEvent*) { return false; }
  virtual bool KeyReleased(QKeyEvent*) { return false; }
};

}  // namespace vellumo::design
