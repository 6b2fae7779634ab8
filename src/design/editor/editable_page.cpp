// Wiring of the page editor's requests to the menus and the history.
#include "design/editor/editable_page.h"

#include "core/messages.h"
#include "design/commands/object_menu.h"
#include "design/commands/page_menu.h"

namespace vellumo::design {

TEditablePage::TEditablePage(TPageView* view, QWidget* window)
    : QObject(window), view_(view), editor_(new TPageEditor(view)), history_(*view->Page(), this) {
  context_.parent = window;
  context_.history = &history_;
  // A menu may change the selection without changing the design (Select
  // All), which the page does not report: the marks are drawn again.
  editor_->ObjectMenuRequested = [this](TGGraphicControl* object, QPoint global_pos) {
    ShowObjectMenu(*view_->Page(), *object, global_pos, context_);
    view_->Surface()->update();
  };
  editor_->PageMenuRequested = [this](QPoint global_pos) {
    ShowPageMenu(*view_->Page(), global_pos, context_);
    view_->Surface()->update();
  };
  editor_->ErrorReported = [](const QString& message) { ShowInformation(message); };
  // A drawing and the dialog its object opens at once are one step.
  if (std::function<void(const QRect&)> create = editor_->Editing().CreateObject) {
    editor_->Editing().CreateObject = [this, create](const QRect& band) {
      history_.RunStep(QStringLiteral("Draw"), [&] { create(band); });
    };
  }
  // After an undo the objects are new ones: the page view repaints from
  // the page's change report, and the marks follow the restored selection.
  connect(&history_.Stack(), &QUndoStack::indexChanged, view_->Surface(), [this] { view_->Surface()->update(); });
}

}  // namespace vellumo::design
