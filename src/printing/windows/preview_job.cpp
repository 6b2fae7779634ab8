// The preview window that opens while its job still records.
#include "printing/windows/preview_job.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "printing/page_store.h"
#include "printing/windows/preview_form.h"

namespace vellumo {
namespace {

// The pages a job has finished: all but the one it is drawing.
size_t FinishedPages(const PageStore& store) { return store.pages.empty() ? 0 : store.pages.size() - 1; }

}  // namespace

PrintStatusWindow::Outcome RunPreviewJob(PrintStatusWindow& status, const PageStore& store, const QString& caption,
                                         int zoom_mode, QWidget* parent) {
  std::unique_ptr<TPreviewForm> preview;
  status.OnProgress = [&] {
    if (FinishedPages(store) == 0) return;
    if (!preview) {
      preview = std::make_unique<TPreviewForm>(store, caption, zoom_mode, parent);
      // Before it can paint: the page being drawn is never shown.
      preview->SetPageCount(FinishedPages(store));
      // "Stop" there, or closing it, is the status window's "Stop".
      preview->StartRecording([&status] { status.button()->click(); });
      // The preview takes the status window's place: it is the modal
      // window now, and the status window (whose loop ends with the job)
      // stays out of sight.
      preview->setWindowModality(Qt::ApplicationModal);
      status.hide();
      preview->show();
    }
    if (!preview->isVisible()) return;  // closed by the user
    preview->SetPageCount(FinishedPages(store));
    preview->ShowProgress(status.status()->text());
  };
  status.exec();
  status.OnProgress = nullptr;
  const PrintStatusWindow::Outcome outcome = status.outcome();
  // A window the user closed while the job recorded stays closed.
  if (outcome.aborted || (preview && !preview->isVisible())) return outcome;
  if (!preview) {
    TPreviewForm finished(store, caption, zoom_mode, parent);
    finished.exec();
    return outcome;
  }
  preview->FinishRecording(status.status()->text());
  preview->exec();
  return outcome;
}

}  // namespace vellumo
