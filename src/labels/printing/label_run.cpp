// The label run's loop over sheet positions.
#include "labels/printing/label_run.h"

#include <QColor>
#include <algorithm>
#include <memory>
#include <utility>

#include "design/model/record_source.h"
#include "labels/printing/label_feed.h"
#include "printing/drawing_styles.h"
#include "xbase/table.h"

namespace vellumo {
namespace {

// Separator labels: black hairline pen, clear brush, small plain text.
void SetSeparatorStyle(TBaseReport& report) {
  report.SetBrush(Qt::black, bsClear);
  report.SetPen(Qt::black, psSolid, pmCopy, -1);
  report.SetFont(QStringLiteral("Arial"), 8);
}

// Puts the page's printing mode and record binding back when the run ends.
class DesignBinding {
 public:
  DesignBinding(design::TGLabelPanel& page, const design::RecordSource& record)
      : page_(page), was_printing_(page.Printing) {
    page_.SetRecord(&record);
    page_.Printing = true;
  }
  ~DesignBinding() {
    page_.Printing = was_printing_;
    page_.SetRecord(nullptr);
  }
  DesignBinding(const DesignBinding&) = delete;
  DesignBinding& operator=(const DesignBinding&) = delete;

 private:
  design::TGLabelPanel& page_;
  bool was_printing_;
};

// The sheet position the run stands on: advanced cell by cell, row by
// row, a new page after the last cell of a sheet.
class SheetCursor {
 public:
  explicit SheetCursor(const StockGeometry& geometry) : geometry_(geometry) {}

  // Moves to the next cell; true when that began a new page.
  bool Advance() {
    if (++column_ < geometry_.across) return false;
    column_ = 0;
    if (++row_ < geometry_.down) return false;
    row_ = 0;
    return true;
  }
  int index() const { return SheetPositionMask::IndexOf(column_, row_, geometry_.across); }
  CellOrigin origin() const { return geometry_.Cell(column_, row_); }

 private:
  const StockGeometry& geometry_;
  int column_ = -1;
  int row_ = 0;
};

}  // namespace

LabelRun::LabelRun(LabelRunInput input) : input_(std::move(input)) {
  input_.copies = std::clamp(input_.copies, 1, kMaxLabelCopies);
}

LabelRun::~LabelRun() = default;

void LabelRun::AttachTo(TBaseReport& report, bool previewing) {
  report.OnBeforePrint = [this, previewing](TBaseReport& r) { BeforePrint(r, previewing); };
  report.OnPrint = [this](TBaseReport& r) { Print(r); };
  report.OnPrintPage = nullptr;
  report.OnAfterPrint = nullptr;
  report.OnPrintHeader = nullptr;
  report.OnPrintFooter = nullptr;
  report.OnNewPage = nullptr;
}

void LabelRun::BeforePrint(TBaseReport& report, bool previewing) {
  report.StatusFormat = previewing ? QStringLiteral("Preparing Preview Page %p\r%0\r%1")
                                   : QStringLiteral("Printing Page %p\r%0\r%1");
  report.StatusText << QString() << QString();
}

void LabelRun::Print(TBaseReport& report) {
  tally_ = LabelRunTally{};
  if (input_.design == nullptr || input_.table == nullptr) {
    tally_.error = QStringLiteral("no label design or address table to print from");
    return;
  }
  const StockGeometry& geometry = input_.geometry;
  // Without a chosen cell the loop would walk the sheets for ever.
  if (!input_.mask.AnySelected(geometry.CellCount())) {
    tally_.no_position_chosen = true;
    return;
  }
  design::TGLabelPanel& page = *input_.design;
  xbase::Table& table = *input_.table;
  const design::TableRecordSource record(table);
  const DesignBinding binding(page, record);
  page.ResetAllCounters();

  std::unique_ptr<LabelFeed> feed =
      input_.presort ? std::make_unique<LabelFeed>(table, input_.presort_lines, input_.unsorted_records)
                     : std::make_unique<LabelFeed>(table);
  xbase::Status status = feed->Start();
  SetSeparatorStyle(report);

  SheetCursor cursor(geometry);
  int copy = 0;
  while (status.ok() && feed->kind() != LabelFeed::Kind::kEnd) {
    if (cursor.Advance()) report.NewPage();
    if (!input_.mask.IsSelected(cursor.index())) continue;
    const CellOrigin at = cursor.origin();
    if (feed->kind() == LabelFeed::Kind::kSeparator) {
      SetSeparatorStyle(report);
      const QRectF cell = report.MakeRect(at.x, at.y, at.x + geometry.horizontal_pitch, at.y + geometry.vertical_pitch);
      report.TextInRect(cell, at.x + 0.15, at.y + geometry.vertical_pitch / 3, feed->separator());
      ++tally_.separators;
      status = feed->Advance();
    } else {
      status = table.RecordStatus();
      if (!status.ok()) break;
      page.RefreshAllData();
      // Text fit: page.ResetTextFit() goes here, and after PrintObjects
      // page.LastTextFit() adds to tally_.shrunk_labels and, once per
      // record, to tally_.unfit_records.
      page.PrintObjects(report, at.x, at.y);
      page.AdvanceAllCounters();
      ++tally_.labels_printed;
      if (copy == 0) ++tally_.records_printed;
      if (++copy >= input_.copies) {
        copy = 0;
        status = feed->Advance();
      }
    }
    if (input_.keep_going && !input_.keep_going()) {
      tally_.stopped = true;
      break;
    }
    // A cancelled job draws nothing more: no need to read on.
    if (report.IsAborted()) break;
  }
  if (!status.ok()) tally_.error = QString::fromStdString(status.message());
  tally_.pages = report.PageNumber();
}

QString LabelRun::TallyText() const { return LabelTallyText(tally_, input_.records_chosen, input_.copies); }

}  // namespace vellumo
