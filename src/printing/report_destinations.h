// Where a canvas's pages go: TCanvasReport draws them as images,
// TReportFiler records them into a page store for preview.
#pragma once

#include <QImage>
#include <memory>

#include "printing/base_report.h"
#include "printing/page_store.h"
#include "printing/paper.h"

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

// Pages recorded for preview, on the paper and at the resolution of the
// metrics it is given (a printer's, so that a replay equals the printed
// page). The pages are recorded from the paper's corner whatever the
// strips, which the canvas reports all the same.
class TReportFiler : public TBaseReport {
 public:
  TReportFiler(PageStore* store, const PageMetrics& metrics);
  ~TReportFiler() override;

  QString PrinterName() const override { return QStringLiteral("Preview"); }
  QString DriverName() const override { return QStringLiteral("Preview"); }
  QString Port() const override { return QStringLiteral("Screen"); }
  double PageWidth() const override { return metrics_.width.inches(); }
  double PageHeight() const override { return metrics_.height.inches(); }

 protected:
  double Dpi() const override { return metrics_.dpi; }
  QMarginsF Unprintable() const override { return metrics_.UnprintableInches(); }
  QPointF DeviceOrigin() const override { return {}; }
  bool BeginJob() override;
  void BeginNextPage() override;
  bool EndJob(bool aborted) override;

 private:
  void OpenPage();
  void ClosePage();
  PageStore* store_;
  PageMetrics metrics_;
  std::unique_ptr<QPainter> painter_owner_;
};

}  // namespace vellumo
