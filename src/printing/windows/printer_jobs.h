// Jobs on the shared printer: TReportPrinter prints on it (on the built-in
// PDF printer through the renderer's PDF file), TPreviewFiler records a
// preview measured with it. While either runs, the printer's settings
// cannot change.
#pragma once

#include <QPrinter>
#include <memory>

#include "printing/base_report.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"

namespace vellumo {

// Pages printed on the shared printer. On the built-in PDF printer the
// job is written to OutputFile; when that is empty, to the file the print
// dialog named, else to one the user is asked for. The file appears
// only when the job completes (an aborted job leaves none).
class TReportPrinter : public TBaseReport {
 public:
  TReportPrinter();
  ~TReportPrinter() override;
  QString OutputFile;
  // The shared printer's copies: one count for every job and dialog.
  int Copies() const;
  void SetCopies(int copies);

  QString PrinterName() const override;
  QString DriverName() const override;
  QString Port() const override;
  double PageWidth() const override;
  double PageHeight() const override;

 protected:
  double Dpi() const override;
  QMarginsF Unprintable() const override;
  bool BeginJob() override;
  void BeginNextPage() override;
  bool EndJob(bool aborted) override;

 private:
  bool BeginPdf();
  bool BeginOnPrinter();
  std::unique_ptr<PdfFile> pdf_;
  std::unique_ptr<QPainter> printer_painter_;
};

// A preview recorded on the shared printer's paper at its resolution.
class TPreviewFiler : public TReportFiler {
 public:
  explicit TPreviewFiler(PageStore* store);

 protected:
  bool BeginJob() override;
  bool EndJob(bool aborted) override;
};

}  // namespace vellumo
