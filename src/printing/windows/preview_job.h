// Running a preview job and showing its pages. A long preview does not
// keep the user waiting: as soon as its first page is recorded the
// preview window opens on it while the job records the rest, shows the
// job's progress and offers "Stop" in place of the status window, and
// when the job ends it becomes the ordinary modal preview of every page.
#pragma once

#include <QString>

#include "printing/windows/print_status_window.h"

class QWidget;

namespace vellumo {

struct PageStore;

// Runs the job of `status` (a preview whose destination records into
// `store`) and then, unless the job was aborted, shows the pages in the
// preview window (`caption`, `zoom_mode` as for TPreviewForm) until the
// user closes it. Closing the window while the job still records stops
// the job; the window is not shown again then.
PrintStatusWindow::Outcome RunPreviewJob(PrintStatusWindow& status, const PageStore& store, const QString& caption,
                                         int zoom_mode, QWidget* parent);

}  // namespace vellumo
