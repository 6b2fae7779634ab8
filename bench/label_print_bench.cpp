// Printing labels into PDF files as vellumo-cli labels does: the default
// design on a catalogue stock, over a generated address database, through
// the label run onto the PDF canvas. 10,000 and 100,000 labels on the
// 30-up "Avery 5160  Address" (no room for a barcode) and on the 20-up
// "Avery 5161  Address" (with an Intelligent Mail barcode on every label),
// and a presorted run of 100,000 (the presort included). Counters: labels,
// pages and the PDF's bytes per 1,000 labels.
//
//   label_print_bench [Google Benchmark flags]      (draws offscreen)
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "address_generator.h"
#include "core/address_database.h"
#include "design/model/intelligent_mail_barcode.h"
#include "label_request.h"
#include "label_selection.h"
#include "label_source.h"
#include "labels/printing/label_run.h"
#include "postal/presort_file.h"
#include "printing/pdf_file.h"
#include "table_access.h"

namespace {

std::string WorkDirectory() {
  static const std::string dir = [] {
    const auto path = std::filesystem::temp_directory_path() / ("label_print_bench_" + std::to_string(getpid()));
    std::filesystem::create_directories(path);
    return path.string();
  }();
  return dir;
}

// A generated database showing at least `labels` records (every 50th is
// deleted), with the address tags; made once per size.
const std::string& Database(uint32_t labels) {
  static std::map<uint32_t, std::string> made;
  auto [it, inserted] = made.try_emplace(labels);
  if (inserted) {
    it->second = WorkDirectory() + "/ADDR" + std::to_string(labels) + ".DBF";
    const uint32_t records = labels + labels / 49 + 1;
    std::unique_ptr<xbase::Table> table;
    if (!bench::GenerateAddressTable(it->second, records, 42).ok() ||
        !cli::OpenTable(it->second, false, &table).ok() || !vellumo::CreateAddressIndexTags(*table)) {
      std::fprintf(stderr, "cannot make %s\n", it->second.c_str());
      std::exit(1);
    }
  }
  return it->second;
}

// Barcodes print once they have a mailer identifier; each piece gets its
// own serial number.
void GiveBarcodesAMailer(vellumo::design::TGLabelPanel& page) {
  for (const auto& object : page.Objects()) {
    if (auto* barcode = dynamic_cast<vellumo::design::TGIMBarCode*>(object.get())) {
      barcode->MailerId = "123456";
      barcode->SerialFromCounter = true;
      barcode->SerialStart = 1;
    }
  }
}

void PrintLabels(benchmark::State& state, const char* stock, bool presort) {
  const uint32_t labels = static_cast<uint32_t>(state.range(0));
  cli::LabelRequest request;
  request.database = Database(labels);
  request.stock = stock;
  request.presort = presort;
  request.pdf = WorkDirectory() + "/labels.pdf";
  cli::LabelSource source;
  if (!cli::LoadLabelSource(request, &source).ok()) {
    state.SkipWithError("no stock");
    return;
  }
  GiveBarcodesAMailer(*source.page);
  vellumo::LabelRunTally tally;
  for (auto _ : state) {
    std::unique_ptr<xbase::Table> table;
    cli::LabelSelection selection;
    const QString presort_file = QDir(QString::fromStdString(WorkDirectory())).filePath(vellumo::kPresortFileName);
    if (!cli::OpenTable(request.database, true, &table).ok() ||
        !cli::SelectLabelRecords(*table, request, presort_file, &selection).ok()) {
      state.SkipWithError("cannot choose the records");
      return;
    }
    vellumo::LabelRunInput input;
    input.design = source.page.get();
    input.table = table.get();
    input.geometry = source.stock.geometry;
    input.presort = presort;
    input.presort_lines = selection.presort_lines;
    input.unsorted_records = selection.unsorted_records;
    input.records_chosen = selection.chosen;
    vellumo::PageMetrics letter;
    vellumo::TReportPdf pdf(QString::fromStdString(request.pdf), letter);
    vellumo::LabelRun run(std::move(input));
    run.AttachTo(pdf, false);
    if (!pdf.Execute()) {
      state.SkipWithError("cannot write the PDF");
      return;
    }
    tally = run.tally();
  }
  state.counters["labels"] = static_cast<double>(tally.labels_printed);
  state.counters["pages"] = tally.pages;
  state.counters["bytes_per_1000_labels"] =
      static_cast<double>(std::filesystem::file_size(request.pdf)) * 1000 / static_cast<double>(tally.labels_printed);
}

void BM_DefaultDesign5160(benchmark::State& state) { PrintLabels(state, "Avery 5160  Address", false); }
void BM_DefaultDesign5161WithBarcode(benchmark::State& state) { PrintLabels(state, "Avery 5161  Address", false); }
void BM_Presorted5160(benchmark::State& state) { PrintLabels(state, "Avery 5160  Address", true); }

BENCHMARK(BM_DefaultDesign5160)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_DefaultDesign5161WithBarcode)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_Presorted5160)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(WorkDirectory());
  return 0;
}
