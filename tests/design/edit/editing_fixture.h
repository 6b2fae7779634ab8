// A label page with editing over it, a host that records what editing
// asked of it, a clock the test turns, and short-hands for clicks, drags
// and keys in design units.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "design/edit/page_editing.h"
#include "page_fixture.h"

namespace vellumo::design::testing {

struct RecordingHost : PageEditingHost {
  void OpenObjectMenu(TGGraphicControl* object, QPoint units) override { object_menus.emplace_back(object, units); }
  void OpenPageMenu(QPoint units) override { page_menus.push_back(units); }
  void SetCursor(EditCursor shape) override { cursor = shape; }
  void Repaint() override { ++repaints; }
  void TakeFocus() override { ++focus_taken; }
  void ReportError(const Status& status) override { errors.push_back(status.ToString()); }

  std::vector<std::pair<TGGraphicControl*, QPoint>> object_menus;
  std::vector<QPoint> page_menus;
  EditCursor cursor = EditCursor::kDefault;
  int repaints = 0;
  int focus_taken = 0;
  std::vector<std::string> errors;
};

class EditingTest : public PageTest {
 protected:
  EditingTest() { page_.Now = [this] { return now_; }; }

  void Press(QPoint at, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) {
    editing_.Press(at, button, modifiers);
  }
  void Release(QPoint at, Qt::KeyboardModifiers modifiers = {}) { editing_.Release(at, Qt::LeftButton, modifiers); }
  void Click(QPoint at, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton) {
    editing_.Press(at, button, modifiers);
    now_ += 20;
    editing_.Release(at, button, modifiers);
    now_ += 1000;
  }
  // Press, a first move on the spot 20 ms later (which starts the drag of
  // an object the press selected), a move to `to` and a release `hold_ms`
  // after the press.
  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}, int64_t hold_ms = 300) {
    Press(from, modifiers);
    now_ += 20;
    editing_.Move(from, Qt::LeftButton);
    editing_.Move(to, Qt::LeftButton);
    now_ += hold_ms - 20;
    Release(to, modifiers);
    now_ += 1000;
  }
  // A press of an arrow key (maybe repeated) and its release.
  void Nudge(int key, int presses = 1, Qt::KeyboardModifiers modifiers = {}) {
    for (int i = 0; i < presses; ++i) {
      editing_.KeyPress(key, modifiers);
      if (i + 1 < presses) editing_.KeyRelease(key, true);
    }
    editing_.KeyRelease(key, false);
  }

  int64_t now_ = 100000;
  RecordingHost host_;
  PageEditing editing_{&page_, &host_};
};

}  // namespace vellumo::design::testing
