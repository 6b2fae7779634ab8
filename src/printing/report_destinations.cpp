// Images, page stores and the printer as destinations of a canvas.
#include "printing/report_destinations.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrinter>

#include "core/messages.h"
#include "printing/shared_printer.h"

namespace vellumo {
namespace {

void PreparePainter(QPainter* painter) {
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setRenderHint(QPainter::TextAntialiasing);
}

}  // namespace

// ---- TCanvasReport.

TCanvasReport::~TCanvasReport() = default;

void TCanvasReport::OpenPage() {
  painter_owner_.reset();
  pages_.emplace_back(QSize(qRound(page_inches_.width() * dpi_), qRound(page_inches_.height() * dpi_)),
                      QImage::Format_RGB32);
  pages_.back().fill(Qt::white);
  painter_owner_ = std::make_unique<QPainter>(&pages_.back());
  PreparePainter(painter_owner_.get());
  painter_ = painter_owner_.get();
}

bool TCanvasReport::BeginJob() {
  pages_.clear();
  pages_.reserve(64);  // painters hold on to their page's image
  OpenPage();
  return true;
}

void TCanvasReport::BeginNextPage() {
  if (pages_.size() == pages_.capacity()) {
    // Growing would move the images under the painter: close it first.
    painter_owner_.reset();
    pages_.reserve(pages_.size() * 2);
  }
  OpenPage();
}

void TCanvasReport::EndJob(bool) { painter_owner_.reset(); }

// ---- TReportFiler.

TReportFiler::TReportFiler(PageStore* store) : store_(store) {}
TReportFiler::~TReportFiler() = default;

double TReportFiler::PageWidth() const { return TheSharedPrinter().PageWidth(); }
double TReportFiler::PageHeight() const { return TheSharedPrinter().PageHeight(); }

void TReportFiler::OpenPage() {
  painter_owner_.reset();
  store_->pages.emplace_back();
  painter_owner_ = std::make_unique<QPainter>(&store_->pages.back());
  PreparePainter(painter_owner_.get());
  painter_ = painter_owner_.get();
}

bool TReportFiler::BeginJob() {
  store_->pages.clear();
  store_->pages.reserve(1024);
  store_->page_inches = QSizeF(PageWidth(), PageHeight());
  OpenPage();
  return true;
}

void TReportFiler::BeginNextPage() {
  if (store_->pages.size() == store_->pages.capacity()) {
    painter_owner_.reset();
    store_->pages.reserve(store_->pages.size() * 2);
  }
  OpenPage();
}

void TReportFiler::EndJob(bool) { painter_owner_.reset(); }

// ---- TReportPrinter.

TReportPrinter::TReportPrinter() = default;
TReportPrinter::~TReportPrinter() = default;

QString TReportPrinter::PrinterName() const { return TheSharedPrinter().PrinterName(); }
QString TReportPrinter::DriverName() const { return TheSharedPrinter().DriverName(); }
QString TReportPrinter::Port() const { return TheSharedPrinter().Port(); }
double TReportPrinter::PageWidth() const { return TheSharedPrinter().PageWidth(); }
double TReportPrinter::PageHeight() const { return TheSharedPrinter().PageHeight(); }
double TReportPrinter::Dpi() const { return TheSharedPrinter().printer().resolution(); }
QMarginsF TReportPrinter::Unprintable() const { return TheSharedPrinter().Unprintable(); }

bool TReportPrinter::BeginJob() {
  SharedPrinter& shared = TheSharedPrinter();
  if (shared.PrinterNames().isEmpty()) {
    ShowInformation(QStringLiteral("No printers are defined, aborting print job."));
    return false;
  }
  QPrinter& printer = shared.printer();
  if (shared.IsPdfPrinter()) {
    if (OutputFile.isEmpty()) {
      OutputFile = QFileDialog::getSaveFileName(nullptr, QStringLiteral("Print to PDF File"), QString(),
                                                QStringLiteral("PDF files (*.pdf)"));
    }
    if (OutputFile.isEmpty()) return false;
    printer.setOutputFileName(OutputFile);
  }
  printer.setDocName(Title.left(31));
  printer.setCopyCount(Copies);
  painter_owner_ = std::make_unique<QPainter>();
  if (!painter_owner_->begin(&printer)) {
    ShowInformation(QStringLiteral("Unable to start printing on ") + shared.PrinterName());
    painter_owner_.reset();
    return false;
  }
  PreparePainter(painter_owner_.get());
  painter_ = painter_owner_.get();
  return true;
}

void TReportPrinter::BeginNextPage() { TheSharedPrinter().printer().newPage(); }

void TReportPrinter::EndJob(bool aborted) {
  if (aborted) TheSharedPrinter().printer().abort();
  painter_owner_.reset();
}

}  // namespace vellumo
