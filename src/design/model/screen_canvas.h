// The one drawing path of design objects: every object draws itself on a
// print canvas in inches (PrintAt). On paper that is the job's canvas; on
// screen it is a canvas over the view's painter whose resolution is
// ScreenPPI × zoom, so a view shows exactly what prints.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <functional>

#include "printing/base_report.h"

namespace vellumo::design {

// A canvas drawing on a painter someone else owns (the view's), at a
// given resolution. It runs as a one-page job for the length of Draw.
class TScreenReport : public TBaseReport {
 public:
  // REQUIRES: painter outlives the canvas.
  TScreenReport(QPainter* painter, QSizeF page_inches, double dpi)
      : target_(painter), page_inches_(page_inches), dpi_(dpi) {}
  ~TScreenReport() override;

  // Runs `draw` with the canvas ready for drawing; the painter's state is
  // as before afterwards.
  void Draw(const std::function<void(TBaseReport&)>& draw);

  QString PrinterName() const override { return QStringLiteral("Screen"); }
  QString DriverName() const override { return QStringLiteral("Screen"); }
  QString Port() const override { return QStringLiteral("Screen"); }
  double PageWidth() const override { return page_inches_.width(); }
  double PageHeight() const override { return page_inches_.height(); }

 protected:
  double Dpi() const override { return dpi_; }
  bool BeginJob() override;
  void BeginNextPage() override {}
  bool EndJob(bool) override { return true; }

 private:
  QPainter* target_;
  QSizeF page_inches_;
  double dpi_;
};

// A canvas that only measures text, as the screen at zoom 1.0 would: it
// has no page and runs no job, for sizing objects to what they show
// outside a paint or a print.
class TMeasuringReport : public TBaseReport {
 public:
  TMeasuringReport() = default;
  ~TMeasuringReport() override;

  QString PrinterName() const override { return QStringLiteral("Measure"); }
  QString DriverName() const override { return QStringLiteral("Measure"); }
  QString Port() const override { return QStringLiteral("Measure"); }
  double PageWidth() const override { return 0; }
  double PageHeight() const override { return 0; }

 protected:
  double Dpi() const override;
  bool BeginJob() override { return Fail(QStringLiteral("A measuring canvas prints nothing")); }
  void BeginNextPage() override {}
  bool EndJob(bool) override { return true; }
};

}  // namespace vellumo::design
