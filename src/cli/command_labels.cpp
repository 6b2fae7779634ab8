// vellumo-cli labels: sheets of labels for the chosen records of an
// address database, printed into a PDF file through the same label run
// as the label window's printing.
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <ostream>

#include "commands.h"
#include "core/application_home.h"
#include "core/printer_calibrations.h"
#include "label_request.h"
#include "label_selection.h"
#include "label_source.h"
#include "labels/printing/default_label_design.h"
#include "labels/printing/label_paper.h"
#include "labels/printing/label_run.h"
#include "postal/presort_file.h"
#include "printing/pdf_file.h"
#include "table_access.h"

namespace cli {
namespace {

// The PDF file is corrected as the application's PDF printer of this name
// is calibrated.
constexpr char kPdfPrinterName[] = "Vellumo PDF";

// Settings (tag id, calibration) come from the home the sysdata does.
void UseHome(const std::string& home) {
  QString folder = QString::fromStdString(home);
  if (folder.isEmpty()) folder = qEnvironmentVariable("VELLUMO_HOME");
  if (!folder.isEmpty()) vellumo::SetProgramDirectory(folder);
}

// The stock's paper, turned as the stock asks.
vellumo::PageMetrics MetricsFor(const vellumo::StockGeometry& geometry) {
  const vellumo::LabelPaper paper = vellumo::PaperForStock(geometry);
  vellumo::PageMetrics metrics;
  metrics.width = vellumo::Length::Inches(paper.landscape ? paper.height : paper.width);
  metrics.height = vellumo::Length::Inches(paper.landscape ? paper.width : paper.height);
  return metrics;
}

// "\rpage N" on a terminal each time a page begins; nothing otherwise.
std::function<bool()> PageProgress(const vellumo::TBaseReport& report) {
  if (!isatty(STDERR_FILENO)) return nullptr;
  return [&report, shown = 0]() mutable {
    if (report.PageNumber() != shown) {
      shown = report.PageNumber();
      ShowProgress("page " + std::to_string(shown));
    }
    return true;
  };
}

// The lines the label window adds to its outcome (which labels were
// shrunk or did not fit, any shortfall), one a line.
std::string TallyLines(const vellumo::LabelRun& run) {
  const std::string text = run.TallyText().toStdString();
  std::string lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start) lines += text.substr(start, end - start) + "\n";
    start = end + 1;
  }
  return lines;
}

void Summarise(const vellumo::LabelRun& run, std::ostream& out) {
  const vellumo::LabelRunTally& tally = run.tally();
  out << tally.labels_printed << " labels of " << tally.records_printed << " records on " << tally.pages
      << (tally.pages == 1 ? " page" : " pages");
  if (tally.separators > 0) out << ", " << tally.separators << " separator labels";
  out << ", " << tally.shrunk_labels << " shrunk, " << tally.unfit_records.size() << " unfit records\n";
  out << TallyLines(run);
}

int Print(const LabelRequest& request, LabelSource& source, const vellumo::SheetPositionMask& mask,
          xbase::Table& table, const LabelSelection& selection, std::ostream& out, std::ostream& err) {
  vellumo::LabelRunInput input;
  input.design = source.page.get();
  input.table = &table;
  input.geometry = source.stock.geometry;
  input.mask = mask;
  input.copies = request.copies;
  input.presort = request.presort;
  input.presort_lines = selection.presort_lines;
  input.unsorted_records = selection.unsorted_records;
  input.records_chosen = selection.chosen;

  vellumo::TReportPdf pdf(QString::fromStdString(request.pdf), MetricsFor(input.geometry));
  pdf.SetCalibration(vellumo::ReadPrinterCalibration(QLatin1String(kPdfPrinterName)));
  input.keep_going = PageProgress(pdf);
  vellumo::LabelRun run(std::move(input));
  run.AttachTo(pdf, /*previewing=*/false);
  const bool printed = pdf.Execute();
  EndProgress();
  if (!printed) return Fail(err, "cannot write " + request.pdf + ": " + pdf.LastError().toStdString());
  if (!run.tally().error.isEmpty()) return Fail(err, run.tally().error.toStdString());
  Summarise(run, out);
  return kExitOk;
}

}  // namespace

int LabelsCommand(const Words& args, std::ostream& out, std::ostream& err) {
  LabelRequest request;
  xbase::Status s = ParseLabelRequest(args, &request);
  if (!s.ok()) return Fail(err, s.message() + "\n" + kLabelsUsage);
  UseHome(request.home);
  LabelSource source;
  s = LoadLabelSource(request, &source);
  if (!s.ok()) return Fail(err, s);
  if (request.setup.empty() && request.design_file.empty() && request.mailer_id.empty() &&
      vellumo::LabelHoldsIntelligentMail(source.stock.geometry)) {
    err << "no Intelligent Mail barcodes: give --mailer-id to print them\n";
  }
  vellumo::SheetPositionMask mask;
  if (!request.positions.empty()) {
    s = ParsePositionList(request.positions, source.stock.geometry.CellCount(), &mask);
    if (!s.ok()) return Fail(err, s);
  }

  std::unique_ptr<xbase::Table> table;
  s = OpenTable(request.database, /*read_only=*/true, &table);
  if (!s.ok()) return Fail(err, "cannot open the database " + request.database + ": " + s.message());
  // The presort list is a scratch file of this run: the label window's
  // list in the home stays as it was.
  const QTemporaryDir presort_dir;
  if (!presort_dir.isValid()) return Fail(err, "cannot make a scratch folder: " + presort_dir.errorString().toStdString());
  LabelSelection selection;
  s = SelectLabelRecords(*table, request, QDir(presort_dir.path()).filePath(QLatin1String(vellumo::kPresortFileName)),
                         &selection);
  if (!s.ok()) return Fail(err, s);
  if (!selection.unsorted_records.empty()) {
    err << selection.unsorted_records.size()
        << " records have no ZIP code the presort can place: they print after the sorted groups\n";
  }
  return Print(request, source, mask, *table, selection, out, err);
}

}  // namespace cli
