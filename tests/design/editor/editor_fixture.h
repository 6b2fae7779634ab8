// A label page shown in a page view made editable by a page editor, with
// a clock the test turns and mouse and key input sent to the surface in
// view pixels, as a user's would arrive.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "design/editor/page_editor.h"
#include "page_fixture.h"

namespace vellumo::design::testing {

class EditorTest : public PageTest {
 protected:
  EditorTest() {
    page_.Now = [this] { return now_; };
    editor_->ObjectMenuRequested = [this](TGGraphicControl* object, QPoint at) { object_menus_.emplace_back(object, at); };
    editor_->PageMenuRequested = [this](QPoint at) { page_menus_.push_back(at); };
    editor_->ErrorReported = [this](const QString& message) { errors_.push_back(message); };
  }

  TPageSurface* Surface() const { return view_.Surface(); }

  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
             Qt::KeyboardModifiers modifiers = {}) {
    QMouseEvent event(type, QPointF(at), Surface()->mapToGlobal(QPointF(at)), button, buttons, modifiers);
    QApplication::sendEvent(Surface(), &event);
  }
  void Press(QPoint at, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonPress, at, button, button, modifiers);
  }
  void MoveHeld(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
  void Release(QPoint at, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonRelease, at, button, Qt::NoButton, modifiers);
  }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) {
    Press(at, modifiers, button);
    now_ += 20;
    Release(at, modifiers, button);
    now_ += 1000;
  }
  // Press, a first move on the spot 20 ms later, a move to `to`, and the
  // release 300 ms after the press.
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    Press(from, modifiers);
    now_ += 20;
    MoveHeld(from);
    MoveHeld(to);
    now_ += 280;
    Release(to, modifiers);
    now_ += 1000;
  }
  void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers = {}, bool auto_repeat = false) {
    QKeyEvent event(type, key, modifiers, QString(), auto_repeat);
    QApplication::sendEvent(Surface(), &event);
  }
  void KeyClick(int key, Qt::KeyboardModifiers modifiers = {}) {
    Key(QEvent::KeyPress, key, modifiers);
    Key(QEvent::KeyRelease, key, modifiers);
  }

  int64_t now_ = 100000;
  TPageView view_{&page_};
  TPageEditor* editor_ = new TPageEditor(&view_);  // a child of the view
  std::vector<std::pair<TGGraphicControl*, QPoint>> object_menus_;
  std::vector<QPoint> page_menus_;
  std::vector<QString> errors_;
};

}  // namespace vellumo::design::testing
