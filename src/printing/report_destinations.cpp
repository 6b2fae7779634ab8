// Images and page stores as destinations of a canvas.
#include "printing/report_destinations.h"

#include <QPainter>

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

bool TCanvasReport::EndJob(bool) {
  painter_owner_.reset();
  return true;
}

// ---- TReportFiler.

TReportFiler::TReportFiler(PageStore* store, const PageMetrics& metrics) : store_(store), metrics_(metrics) {}
TReportFiler::~TReportFiler() = default;

void TReportFiler::OpenPage() {
  store_->pages.emplace_back();
  painter_owner_ = std::make_unique<QPainter>(&store_->pages.back());
  PreparePainter(painter_owner_.get());
  painter_ = painter_owner_.get();
}

void TReportFiler::ClosePage() { painter_owner_.reset(); }

bool TReportFiler::BeginJob() {
  store_->pages.clear();
  store_->pages.reserve(1024);
  store_->page_inches = QSizeF(PageWidth(), PageHeight());
  store_->dpi = Dpi();
  OpenPage();
  return true;
}

void TReportFiler::BeginNextPage() {
  ClosePage();
  // Growing would move the pictures under the painter: it is closed first.
  if (store_->pages.size() == store_->pages.capacity()) store_->pages.reserve(store_->pages.size() * 2);
  OpenPage();
}

bool TReportFiler::EndJob(bool) {
  ClosePage();
  return true;
}

}  // namespace vellumo
