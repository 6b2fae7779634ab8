// Writing a job's pages into a PDF file safely: the pages go to a hidden
// file beside the target, which takes the target's place only when the
// job completes, so that an aborted or failed job leaves no partial file
// and an earlier file of that name stays as it was.
#pragma once

#include <QPainter>
#include <QString>
#include <memory>

#include "printing/base_report.h"
#include "printing/paper.h"

class QPdfWriter;

namespace vellumo {

class PdfFile {
 public:
  PdfFile();
  ~PdfFile();
  PdfFile(const PdfFile&) = delete;
  PdfFile& operator=(const PdfFile&) = delete;

  // Starts the file `target` with pages of `metrics` (its strips are
  // ignored: a PDF page is drawn on whole); an empty reason on success,
  // else why it cannot be written.
  QString Begin(const QString& target, const PageMetrics& metrics, const QString& title);
  // REQUIRES: Begin succeeded and Finish has not been called.
  QPainter* painter() { return painter_.get(); }
  void NewPage();
  // Puts the file in place, or with `discard` removes it; an empty reason
  // on success, else why the file could not be completed (it is removed).
  QString Finish(bool discard);

 private:
  QString CannotWrite() const;

  QString target_;
  QString partial_;
  std::unique_ptr<QPdfWriter> writer_;
  std::unique_ptr<QPainter> painter_;
};

// A job drawn into the PDF file OutputFile, on pages of the given metrics.
class TReportPdf : public TBaseReport {
 public:
  TReportPdf(QString output_file, const PageMetrics& metrics);
  ~TReportPdf() override;
  QString OutputFile;

  QString PrinterName() const override { return QStringLiteral("PDF"); }
  QString DriverName() const override { return QStringLiteral("PDF"); }
  QString Port() const override { return QStringLiteral("FILE:"); }
  double PageWidth() const override { return metrics_.width.inches(); }
  double PageHeight() const override { return metrics_.height.inches(); }

 protected:
  double Dpi() const override { return metrics_.dpi; }
  bool BeginJob() override;
  void BeginNextPage() override;
  bool EndJob(bool aborted) override;

 private:
  PageMetrics metrics_;
  PdfFile file_;
};

}  // namespace vellumo
