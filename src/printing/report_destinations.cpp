// Images, page stores and the printer as destinations of a canvas.
#include "printing/report_destinations.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>
#include <filesystem>

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

bool TCanvasReport::EndJob(bool) {
  painter_owner_.reset();
  return true;
}

// ---- TReportFiler.

TReportFiler::TReportFiler(PageStore* store) : store_(store) {}
TReportFiler::~TReportFiler() = default;

double TReportFiler::PageWidth() const { return TheSharedPrinter().PageWidth(); }
double TReportFiler::PageHeight() const { return TheSharedPrinter().PageHeight(); }
double TReportFiler::Dpi() const { return painter_ ? store_->dpi : TheSharedPrinter().printer().resolution(); }

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
  store_->dpi = Dpi();
  TheSharedPrinter().JobStarted();
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

bool TReportFiler::EndJob(bool) {
  painter_owner_.reset();
  TheSharedPrinter().JobEnded();
  return true;
}

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
int TReportPrinter::Copies() const { return TheSharedPrinter().copies(); }
void TReportPrinter::SetCopies(int copies) { TheSharedPrinter().SetCopies(copies); }

bool TReportPrinter::OpenPartialFile() {
  // A new file of the ordinary permissions (a temporary file's would be
  // private to the user), named so that it cannot be taken for the result.
  const QFileInfo target(OutputFile);
  for (int attempt = 0; attempt < 16; ++attempt) {  // another name when one is taken
    const QString name = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.') +
                         QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".part");
    QFile partial(name);
    if (partial.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
      partial_file_ = name;
      return true;
    }
  }
  ShowInformation(QStringLiteral("Unable to write the file ") + QDir::toNativeSeparators(OutputFile));
  return false;
}

bool TReportPrinter::BeginJob() {
  SharedPrinter& shared = TheSharedPrinter();
  if (shared.PrinterNames().isEmpty()) {
    ShowInformation(QStringLiteral("No printers are defined, aborting print job."));
    return false;
  }
  QPrinter& printer = shared.printer();
  partial_file_.clear();
  if (shared.IsPdfPrinter()) {
    if (OutputFile.isEmpty()) OutputFile = shared.PdfFileName();
    if (OutputFile.isEmpty()) {
      OutputFile = QFileDialog::getSaveFileName(nullptr, QStringLiteral("Print to PDF File"), QString(),
                                                QStringLiteral("PDF files (*.pdf)"));
    }
    if (OutputFile.isEmpty() || !OpenPartialFile()) return false;
    printer.setOutputFileName(partial_file_);
  }
  printer.setDocName(Title.left(31));
  painter_owner_ = std::make_unique<QPainter>();
  if (!painter_owner_->begin(&printer)) {
    ShowInformation(QStringLiteral("Unable to start printing on ") + shared.PrinterName());
    painter_owner_.reset();
    if (!partial_file_.isEmpty()) {
      QFile::remove(partial_file_);
      printer.setOutputFileName(OutputFile);
    }
    return false;
  }
  shared.JobStarted();
  PreparePainter(painter_owner_.get());
  painter_ = painter_owner_.get();
  return true;
}

void TReportPrinter::BeginNextPage() {
  // Only pages within the range are output: the first of them is the page
  // the job opened with, and each later one starts a sheet of its own.
  const int next = PageNumber() + 1;
  if (next > FirstPage && next <= LastPage) TheSharedPrinter().printer().newPage();
}

bool TReportPrinter::EndJob(bool aborted) {
  SharedPrinter& shared = TheSharedPrinter();
  if (aborted) shared.printer().abort();
  const bool ended = painter_owner_->end();
  painter_owner_.reset();
  shared.JobEnded();
  if (partial_file_.isEmpty()) {
    if (!ended && !aborted) ShowInformation(QStringLiteral("Unable to finish printing on ") + shared.PrinterName());
    return ended || aborted;
  }
  // The PDF printer: the finished file takes the place of any earlier one.
  shared.printer().setOutputFileName(OutputFile);
  std::error_code error;
  if (!aborted && ended) {
    std::filesystem::rename(partial_file_.toStdU16String(), OutputFile.toStdU16String(), error);
    if (!error) return true;
  }
  QFile::remove(partial_file_);
  if (aborted) return true;
  ShowInformation(QStringLiteral("Unable to write the file ") + QDir::toNativeSeparators(OutputFile));
  return false;
}

}  // namespace vellumo
