// The label stock's paper on the shared printer.
#include "labels/job/label_paper_setup.h"

#include <optional>

#include "core/messages.h"
#include "labels/printing/label_paper.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {

bool SetUpLabelPaper(const StockGeometry& geometry, SharedPrinter& printer, const QString& driver_name) {
  const LabelPaper paper = PaperForStock(geometry);
  const bool requested = !SkipsPaperRequest(paper, driver_name);
  // A refused size shows in the page read back below.
  if (requested) printer.SetPaperSize(paper.code, Length::Inches(paper.width), Length::Inches(paper.height));
  printer.SetOrientation(paper.landscape ? poLandScape : poPortrait);
  std::optional<QSizeF> read;
  if (requested) read = QSizeF(printer.PageWidth(), printer.PageHeight());
  if (!PaperNeedsQuestion(paper, read)) return true;
  return AskYesNo(PaperQuestionText(paper), QLatin1String(kPaperQuestionCaption));
}

}  // namespace vellumo
