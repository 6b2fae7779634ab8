// Laying out the record print-out on the canvas.
#include "addressbook/windows/single_record_report.h"

#include <QLocale>
#include <QTime>

#include "printing/base_report.h"

namespace vellumo {
namespace {

const QString kFace = QStringLiteral("Times");
constexpr double kPoints = 10;
constexpr double kLabelWidth = 1.25;
constexpr double kValueWidth = 5.25;
constexpr int kCellMargin = 2;  // hundredths of an inch

// The memo's one cell across the area; with a bottom border it draws the
// rule above the memo.
void AddMemoCell(TBaseReport& report, int borders) {
  report.ClearTabs();
  report.AddTab(report.MarginLeft(), kJustifyLeft, report.AreaRight - report.AreaLeft, kCellMargin, borders, 0);
}

}  // namespace

SingleRecordReport::SingleRecordReport(Items items, bool print_memo, QString memo,
                                       std::function<bool()> stop_requested)
    : items_(std::move(items)),
      print_memo_(print_memo),
      memo_(std::move(memo)),
      stop_requested_(std::move(stop_requested)) {}

void SingleRecordReport::BeforePrint(TBaseReport& report) const {
  report.SetMarginLeft(0);
  report.SetMarginTop(0);
  report.SetMarginRight(0);
  report.SetMarginBottom(0);
  report.AreaFromMargins();
  report.StatusFormat = QStringLiteral("Printing Page %p\r%0\r%1");
  report.StatusText = {QString(), QString()};
  report.OnNewPage = nullptr;
}

void SingleRecordReport::Print(TBaseReport& report) const {
  report.SetFont(kFace, kPoints);
  report.SetMarginLeft(1);
  report.SetMarginTop(1);
  report.SetMarginRight(1);
  report.SetMarginBottom(1);
  report.AreaFromMargins();
  report.ClearTabs();
  report.AddTab(report.MarginLeft(), kJustifyLeft, kLabelWidth, kCellMargin, 0, 0);
  report.AddTab(kDefault, kJustifyLeft, kValueWidth, kCellMargin, 0, 0);
  PrintHeader(report);
  for (const auto& [label, value] : items_) {
    if (report.IsAborted() || (stop_requested_ && stop_requested_())) return;
    report.NextTab();
    report.SetBold(true);
    report.PrintText(label);
    report.SetBold(false);
    report.NextTab();
    report.PrintText(value);
    report.NewLine();
  }
  report.NewLine();
  if (print_memo_) PrintMemo(report);
}

void SingleRecordReport::PrintHeader(TBaseReport& report) const {
  report.SetMarginTop(0.5);
  report.AreaFromMargins();
  report.CursorHome();
  report.PrintRightAt(QStringLiteral("Page ") + QString::number(report.PageNumber()), report.AreaRight);
  report.NewLine();
  report.PrintRightAt(QLocale().toString(QTime::currentTime(), QLocale::LongFormat), report.AreaRight);
  report.SetMarginTop(1);
  report.AreaFromMargins();
  report.MoveTo(report.AreaLeft, report.AreaTop);
  report.LineTo(report.AreaRight, report.AreaTop);
  report.MoveTo(report.AreaLeft, report.AreaBottom);
  report.LineTo(report.AreaRight, report.AreaBottom);
  report.CursorHome();
  report.NewLine();
}

void SingleRecordReport::PrintMemo(TBaseReport& report) const {
  report.SetItalic(true);
  // The memo's cell spans the area; its text lies within the cell's margins.
  const double text_width = report.AreaRight - report.AreaLeft - 2 * kCellMargin / 100.0;
  const QStringList lines =
      WrapMemo(memo_, text_width, [&report](const QString& text) { return report.TextWidth(text); });
  if (lines.isEmpty() || (lines.size() == 1 && lines.first().trimmed().isEmpty())) {
    report.SetItalic(false);
    return;
  }
  report.SaveTabs();
  AddMemoCell(report, kBorderBottom);
  report.NextTab();
  report.NewLine();
  AddMemoCell(report, 0);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (report.IsAborted() || (stop_requested_ && stop_requested_())) break;
    report.NextTab();
    report.PrintTextLn(lines.at(i));
    if (report.LinesRemaining() == 0 && i + 1 < lines.size()) {
      report.RestoreTabs();
      report.SetItalic(false);
      report.NewPage();
      PrintHeader(report);
      report.SaveTabs();
      report.SetItalic(true);
      AddMemoCell(report, 0);
    }
  }
  report.RestoreTabs();
  report.SetItalic(false);
}

QStringList SingleRecordReport::WrapMemo(const QString& memo, double width, const Measure& width_of) {
  QStringList lines;
  for (const QString& paragraph : memo.split(QLatin1Char('\n'))) {
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '))) {
      const QString tried = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
      if (width_of(tried) <= width || line.isEmpty()) {
        line = tried;
        // A word wider than the line is broken where it must be.
        while (width_of(line) > width && line.size() > 1) {
          qsizetype fit = line.size() - 1;
          while (fit > 1 && width_of(line.left(fit)) > width) --fit;
          lines << line.left(fit);
          line = line.mid(fit);
        }
      } else {
        lines << line;
        line = word;
      }
    }
    lines << line;
  }
  return lines;
}

}  // namespace vellumo
