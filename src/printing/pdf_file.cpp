// PDF files written beside their target and renamed into place.
#include "printing/pdf_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <filesystem>

namespace vellumo {
namespace {

// A new empty file of the ordinary permissions beside `target` (a
// temporary file's would be private to the user), named so that it cannot
// be taken for the result; empty when none can be made.
QString MakePartialFile(const QString& target) {
  const QFileInfo info(target);
  for (int attempt = 0; attempt < 16; ++attempt) {  // another name when one is taken
    const QString name = info.absolutePath() + QStringLiteral("/.") + info.fileName() + QLatin1Char('.') +
                         QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".part");
    QFile partial(name);
    if (partial.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return name;
  }
  return {};
}

// The page layout of `metrics`: its paper in its orientation, no margins.
QPageLayout LayoutOf(const PageMetrics& metrics) {
  const bool landscape = metrics.width > metrics.height;
  const Length shorter = landscape ? metrics.height : metrics.width;
  const Length longer = landscape ? metrics.width : metrics.height;
  const QPageSize size(QSizeF(shorter.millimetres(), longer.millimetres()), QPageSize::Millimeter, QString(),
                       QPageSize::FuzzyMatch);
  return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

}  // namespace

PdfFile::PdfFile() = default;
PdfFile::~PdfFile() {
  if (writer_) Finish(true);
}

QString PdfFile::CannotWrite() const {
  return QStringLiteral("Unable to write the file ") + QDir::toNativeSeparators(target_);
}

QString PdfFile::Begin(const QString& target, const PageMetrics& metrics, const QString& title) {
  target_ = target;
  partial_ = MakePartialFile(target);
  if (partial_.isEmpty()) return CannotWrite();
  writer_ = std::make_unique<QPdfWriter>(partial_);
  writer_->setResolution(qRound(metrics.dpi));
  writer_->setPageLayout(LayoutOf(metrics));
  writer_->setTitle(title);
  writer_->setCreator(QStringLiteral("Vellumo"));
  painter_ = std::make_unique<QPainter>();
  if (!painter_->begin(writer_.get())) {
    painter_.reset();
    writer_.reset();
    QFile::remove(partial_);
    return CannotWrite();
  }
  return {};
}

void PdfFile::NewPage() { writer_->newPage(); }

QString PdfFile::Finish(bool discard) {
  const bool ended = painter_ ? painter_->end() : false;
  painter_.reset();
  writer_.reset();
  std::error_code error;
  if (!discard && ended) {
    // The finished file takes the place of any earlier one.
    std::filesystem::rename(partial_.toStdU16String(), target_.toStdU16String(), error);
    if (!error) return {};
  }
  QFile::remove(partial_);
  return discard ? QString() : CannotWrite();
}

TReportPdf::TReportPdf(QString output_file, const PageMetrics& metrics)
    : OutputFile(std::move(output_file)), metrics_(metrics) {}
TReportPdf::~TReportPdf() = default;

bool TReportPdf::BeginJob() {
  const QString reason = file_.Begin(OutputFile, metrics_, Title);
  if (!reason.isEmpty()) return Fail(reason);
  painter_ = file_.painter();
  painter_->setRenderHint(QPainter::Antialiasing);
  painter_->setRenderHint(QPainter::TextAntialiasing);
  return true;
}

void TReportPdf::BeginNextPage() {
  if (NextPageStartsASheet()) file_.NewPage();
}

bool TReportPdf::EndJob(bool aborted) {
  const QString reason = file_.Finish(aborted);
  return reason.isEmpty() || Fail(reason);
}

}  // namespace vellumo
