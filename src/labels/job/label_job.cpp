// The label job from the paper set-up to the preview.
#include "labels/job/label_job.h"

#include <memory>

#include "core/printer_calibrations.h"
#include "labels/job/label_paper_setup.h"
#include "labels/job/label_printer.h"
#include "labels/printing/label_run.h"
#include "printing/page_store.h"
#include "printing/windows/preview_form.h"
#include "printing/windows/preview_job.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

LabelRunInput RunInput(const LabelJobRequest& request, TLabelPrinter*& window) {
  LabelRunInput input;
  input.design = request.design;
  input.table = request.table;
  input.geometry = request.geometry;
  input.mask = request.mask;
  input.copies = request.copies;
  input.presort = request.presort;
  input.presort_lines = request.presort_lines;
  input.unsorted_records = request.unsorted_records;
  input.records_chosen = request.records_chosen;
  // The window exists by the time the run asks.
  input.keep_going = [&window] { return window == nullptr || window->KeepGoing(); };
  return input;
}

bool PrintedAny(const PrintStatusWindow::Outcome& outcome, const LabelRunTally& tally) {
  return !outcome.aborted && (tally.labels_printed > 0 || tally.separators > 0);
}

}  // namespace

bool RunLabelJob(const LabelJobRequest& request, QWidget* parent) {
  SharedPrinter& printer = TheSharedPrinter();
  if (!SetUpLabelPaper(request.geometry, printer, printer.DriverName())) return false;
  TLabelPrinter* window = nullptr;
  LabelRun run(RunInput(request, window));
  if (request.preview) {
    PageStore pages;
    TPreviewFiler filer(&pages);
    TLabelPrinter status(filer, run, true, request.records_chosen, request.copies, parent);
    window = &status;
    const PrintStatusWindow::Outcome outcome =
        RunPreviewJob(status, pages, QStringLiteral("Preview Labels"), TPreviewForm::kPageWidth, parent);
    return PrintedAny(outcome, run.tally());
  }
  TReportPrinter job;
  job.OutputFile = request.pdf_file;
  // The printer's own correction of where its output lands. A preview
  // shows the labels where they are meant to be, so it goes without.
  job.SetCalibration(ReadPrinterCalibration(printer.PrinterName()));
  TLabelPrinter status(job, run, false, request.records_chosen, request.copies, parent);
  window = &status;
  status.exec();
  return PrintedAny(status.outcome(), run.tally());
}

}  // namespace vellumo
