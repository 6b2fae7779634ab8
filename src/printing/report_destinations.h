// Where a canvas's pages go: TCanvasReport draws them as images,
// TReportFiler records them into a page store for preview, TReportPrinter
// prints them on the shared printer.
#pragma once

#include <QImage>
#include <memory>

#include "printing/base_report.h"
#include "printing/page_store.h"

class QPrinter;

namespace vellumo {

// Pages as images of a given paper size and resolution.
class TCanvasReport : public TBaseReport {
 public:
  TCanvasReport(QSizeF page_inches, double dpi) : page_inches_(page_inches), dpi_(dpi) {}
  ~TCanvasReport() override;
  const std::vector<QImage>& pages() const { return pages_; }

  QString PrinterName() const override { return QStringLiteral("Canvas"); }
  QString DriverName() const override { return QStringLiteral("Canvas"); }
  QString Port() const override { return QStringLiteral("Memory"); }
  double PageWidth() const override { return page_inches_.width(); }
  double PageHeight() const override { return page_inches_.height(); }

 protected:
  double Dpi() const override { return dpi_; }
  bool BeginJob() override;
  void BeginNextPage() override;
  bool EndJob(bool aborted) override;

 private:
  void OpenPage();
  QSizeF page_inches_;
  double dpi_;
  std::vector<QImage> pages_;
  std::unique_ptr<QPainter> painter_owner_;
};

// Pages recorded for preview, measured with the shared printer's paper and
// drawn at its resolution, so that a replay equals the printed page.
class TReportFiler : public TBaseReport {
 public:
  explicit TReportFiler(PageStore* store);
  ~TReportFiler() override;

  QString PrinterName() const override { return QStringLiteral("Preview"); }
  QString DriverName() const override { return QStringLiteral("Preview"); }
  QString Port() const override { return QStringLiteral("Screen"); }
  double PageWidth() const override;
  double PageHeight() const override;

 protected:
  double Dpi() const override;
  bool BeginJob() override;
  void BeginNextPage() override;
  bool EndJob(bool aborted) override;

 private:
  void OpenPage();
  PageStore* store_;
  std::unique_ptr<QPainter> painter_owner_;
};

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
  // Where the PDF printer writes until the job completes.
  bool OpenPartialFile();
  std::unique_ptr<QPainter> painter_owner_;
  QString partial_file_;
};

}  // namespace vellumo
