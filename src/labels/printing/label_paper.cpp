// The paper a label stock asks of the printer and its confirmation.
#include "labels/printing/label_paper.h"

#include <cmath>
#include <utility>

namespace vellumo {
namespace {

double Hundredths(double inches) { return std::round(inches * 100.0) / 100.0; }

int PaperCode(const std::string& paper_size) {
  if (paper_size == "LTR" || paper_size == "LTRL") return 1;
  if (paper_size == "A4" || paper_size == "A4L") return 9;
  if (paper_size == "A5") return 11;
  return 0;
}

}  // namespace

LabelPaper PaperForStock(const StockGeometry& geometry) {
  LabelPaper paper;
  paper.landscape = geometry.IsLandscape();
  paper.width = Hundredths(paper.landscape ? geometry.sheet_depth : geometry.sheet_width);
  paper.height = Hundredths(paper.landscape ? geometry.sheet_width : geometry.sheet_depth);
  paper.code = PaperCode(geometry.paper_size);
  return paper;
}

bool SkipsPaperRequest(const LabelPaper& paper, const QString& driver_name) {
  return paper.code == 0 && driver_name.toUpper().contains(QLatin1String("HPFDJ"));
}

bool PaperNeedsQuestion(const LabelPaper& wanted, std::optional<QSizeF> read) {
  if (!read) return true;
  // The page is read with the stock's orientation set: a landscape page
  // reads its long side as the width.
  double width = Hundredths(read->width());
  double height = Hundredths(read->height());
  if (wanted.landscape) std::swap(width, height);
  // A hair over the tolerance so that rounded values exactly 0.05 apart pass.
  constexpr double kLimit = kPaperTolerance + 1e-9;
  return std::abs(width - wanted.width) > kLimit || std::abs(height - wanted.height) > kLimit;
}

QString PaperQuestionText(const LabelPaper& wanted) {
  return QStringLiteral("Unable to confirm that the paper size was set to\r\n\r\n") +
         QString::number(wanted.width, 'f', 2) + QStringLiteral("\" by ") + QString::number(wanted.height, 'f', 2) +
         QStringLiteral("\"\r\n\r\n(you may have the wrong printer selected)\r\n\r\nWould you like to try printing anyways?");
}

}  // namespace vellumo
