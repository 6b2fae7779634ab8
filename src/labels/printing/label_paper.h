// The paper a label stock asks of the printer: its code for SetPaperSize,
// its size portrait-wise, its orientation, and whether the printer's own
// reading of the page confirms it (else the user is asked).
#pragma once

#include <QSizeF>
#include <QString>
#include <optional>

#include "labels/stock/stock_geometry.h"

namespace vellumo {

// Read sizes may differ from the wanted ones by this much (inches).
inline constexpr double kPaperTolerance = 0.05;

struct LabelPaper {
  bool landscape = false;        // LTRL, A4L, USERL
  double width = 0, height = 0;  // inches, portrait-wise, rounded to 2 decimals
  int code = 0;                  // SetPaperSize code: 1 LTR/LTRL, 9 A4/A4L, 11 A5, 0 custom
};

LabelPaper PaperForStock(const StockGeometry& geometry);

// True when no size may be requested of the driver: a custom size on a
// driver whose upper-cased name contains "HPFDJ". The size then counts
// as unconfirmed.
bool SkipsPaperRequest(const LabelPaper& paper, const QString& driver_name);

// `read`: the printer's page width and height in inches as read (in any
// orientation), or nullopt when the size is unconfirmed. True when the
// user must be asked: unconfirmed, or either side (rounded to 2
// decimals, portrait-wise) further than kPaperTolerance from the wanted.
bool PaperNeedsQuestion(const LabelPaper& wanted, std::optional<QSizeF> read);

// "Unable to confirm that the paper size was set to ..." with the wanted
// width and height, for a Yes/No question.
QString PaperQuestionText(const LabelPaper& wanted);

}  // namespace vellumo
