// Printing and previewing on the shared printer.
#include "printing/windows/printer_jobs.h"

#include <QFileDialog>

#include "printing/windows/shared_printer.h"

namespace vellumo {

TReportPrinter::TReportPrinter() = default;
TReportPrinter::~TReportPrinter() = default;

QString TReportPrinter::PrinterName() const { return TheSharedPrinter().PrinterName(); }
QString TReportPrinter::DriverName() const { return TheSharedPrinter().DriverName(); }
QString TReportPrinter::Port() const { return TheSharedPrinter().Port(); }
double TReportPrinter::PageWidth() const { return TheSharedPrinter().PageWidth(); }
double TReportPrinter::PageHeight() const { return TheSharedPrinter().PageHeight(); }
double TReportPrinter::Dpi() const { return TheSharedPrinter().printer().resolution(); }
QMarginsF TReportPrinter::Unprintable() const { return TheSharedPrinter().Unprintable(); }
int TReportPrinter::Copies() const { return TheSharedPrinter().copies(); }
void TReportPrinter::SetCopies(int copies) { TheSharedPrinter().SetCopies(copies); }

bool TReportPrinter::BeginJob() {
  SharedPrinter& shared = TheSharedPrinter();
  if (shared.PrinterNames().isEmpty()) return Fail(QStringLiteral("No printers are defined, aborting print job."));
  if (!(shared.IsPdfPrinter() ? BeginPdf() : BeginOnPrinter())) return false;
  shared.JobStarted();
  painter_->setRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::TextAntialiasing);
  return true;
}

bool TReportPrinter::BeginPdf() {
  if (OutputFile.isEmpty()) OutputFile = TheSharedPrinter().PdfFileName();
  if (OutputFile.isEmpty()) {
    OutputFile = QFileDialog::getSaveFileName(nullptr, QStringLiteral("Print to PDF File"), QString(),
                                              QStringLiteral("PDF files (*.pdf)"));
  }
  // Turning the file question down is the user's own cancel: nothing to tell.
  if (OutputFile.isEmpty()) return false;
  pdf_ = std::make_unique<PdfFile>();
  const QString reason = pdf_->Begin(OutputFile, TheSharedPrinter().Metrics(), Title);
  if (!reason.isEmpty()) {
    pdf_.reset();
    return Fail(reason);
  }
  painter_ = pdf_->painter();
  return true;
}

bool TReportPrinter::BeginOnPrinter() {
  QPrinter& printer = TheSharedPrinter().printer();
  printer.setDocName(Title.left(31));
  printer_painter_ = std::make_unique<QPainter>();
  if (!printer_painter_->begin(&printer)) {
    printer_painter_.reset();
    return Fail(QStringLiteral("Unable to start printing on ") + PrinterName());
  }
  painter_ = printer_painter_.get();
  return true;
}

void TReportPrinter::BeginNextPage() {
  if (!NextPageStartsASheet()) return;
  if (pdf_) {
    pdf_->NewPage();
  } else {
    TheSharedPrinter().printer().newPage();
  }
}

bool TReportPrinter::EndJob(bool aborted) {
  SharedPrinter& shared = TheSharedPrinter();
  QString reason;
  if (pdf_) {
    reason = pdf_->Finish(aborted);
    pdf_.reset();
  } else {
    if (aborted) shared.printer().abort();
    const bool ended = printer_painter_->end();
    printer_painter_.reset();
    if (!ended && !aborted) reason = QStringLiteral("Unable to finish printing on ") + PrinterName();
  }
  shared.JobEnded();
  return reason.isEmpty() || Fail(reason);
}

TPreviewFiler::TPreviewFiler(PageStore* store) : TReportFiler(store, TheSharedPrinter().Metrics()) {}

bool TPreviewFiler::BeginJob() {
  if (!TReportFiler::BeginJob()) return false;
  TheSharedPrinter().JobStarted();
  return true;
}

bool TPreviewFiler::EndJob(bool aborted) {
  TheSharedPrinter().JobEnded();
  return TReportFiler::EndJob(aborted);
}

}  // namespace vellumo
