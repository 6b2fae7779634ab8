// Printing labels into PDF files as vellumo-cli labels does: the default
// design on a catalogue stock, over a generated address database, through
// the label run onto the PDF canvas. 10,000 and 100,000 labels on the
// 30-up "Avery 5160  Address" (no room for a barcode) and on the 20-up
// "Avery 5161  Address" (with an Intelligent Mail barcode on every label),
// a preview of 10,000 recorded into a page store, and a presorted run of
// 100,000 (the presort included). Counters: labels, pages and the PDF's
// bytes per 1,000 labels; for the preview the time to its first page and
// the peak memory.
//
//   label_print_bench [Google Benchmark flags]      (draws offscreen)
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QGuiApplication>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "address_generator.h"
#include "core/address_database.h"
#include "label_request.h"
#include "label_selection.h"
#include "label_source.h"
#include "labels/printing/label_run.h"
#include "postal/presort_file.h"
#include "printing/page_store.h"
#include "printing/pdf_file.h"
#include "printing/report_destinations.h"
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

// The request's stock and design; false, with the benchmark skipped, when
// they cannot be loaded.
bool LoadSource(benchmark::State& state, const cli::LabelRequest& request, cli::LabelSource* source) {
  if (cli::LoadLabelSource(request, source).ok()) return true;
  state.SkipWithError("no stock");
  return false;
}

// Opens the database and chooses the request's records for a run of the
// source's design; false, with the benchmark skipped, when that fails.
bool ChooseRecords(benchmark::State& state, const cli::LabelRequest& request, const cli::LabelSource& source,
                   std::unique_ptr<xbase::Table>* table, vellumo::LabelRunInput* input) {
  cli::LabelSelection selection;
  const QString presort_file = QDir(QString::fromStdString(WorkDirectory())).filePath(vellumo::kPresortFileName);
  if (!cli::OpenTable(request.database, true, table).ok() ||
      !cli::SelectLabelRecords(**table, request, presort_file, &selection).ok()) {
    state.SkipWithError("cannot choose the records");
    return false;
  }
  input->design = source.page.get();
  input->table = table->get();
  input->geometry = source.stock.geometry;
  input->presort = request.presort;
  input->presort_lines = selection.presort_lines;
  input->unsorted_records = selection.unsorted_records;
  input->records_chosen = selection.chosen;
  return true;
}

void PrintLabels(benchmark::State& state, const char* stock, bool presort) {
  const uint32_t labels = static_cast<uint32_t>(state.range(0));
  cli::LabelRequest request;
  request.database = Database(labels);
  request.stock = stock;
  request.presort = presort;
  request.mailer_id = "123456";
  request.pdf = WorkDirectory() + "/labels.pdf";
  cli::LabelSource source;
  if (!LoadSource(state, request, &source)) return;
  vellumo::LabelRunTally tally;
  for (auto _ : state) {
    std::unique_ptr<xbase::Table> table;
    vellumo::LabelRunInput input;
    if (!ChooseRecords(state, request, source, &table, &input)) return;
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

// A preview of the labels recorded into a page store, as the preview
// window records it: the time until the first page is finished (when the
// preview window opens on it), the whole recording, and the process's
// peak resident memory (run it alone for a clean figure:
// --benchmark_filter=Preview).
void BM_Preview5160(benchmark::State& state) {
  cli::LabelRequest request;
  request.database = Database(static_cast<uint32_t>(state.range(0)));
  request.stock = "Avery 5160  Address";
  cli::LabelSource source;
  if (!LoadSource(state, request, &source)) return;
  double first_page_seconds = 0;
  size_t pages = 0;
  for (auto _ : state) {
    std::unique_ptr<xbase::Table> table;
    vellumo::LabelRunInput input;
    if (!ChooseRecords(state, request, source, &table, &input)) return;
    vellumo::PageStore store;
    vellumo::TReportFiler filer(&store, vellumo::PageMetrics());
    vellumo::LabelRun run(std::move(input));
    run.AttachTo(filer, true);
    const auto start = std::chrono::steady_clock::now();
    first_page_seconds = 0;
    filer.OnStatus = [&](const QString&) {
      if (first_page_seconds == 0 && store.pages.size() == 1) {
        first_page_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      }
    };
    if (!filer.Execute()) {
      state.SkipWithError("the preview failed");
      return;
    }
    pages = store.pages.size();
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["first_page_s"] = first_page_seconds;
  state.counters["pages"] = static_cast<double>(pages);
  state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

void BM_DefaultDesign5160(benchmark::State& state) { PrintLabels(state, "Avery 5160  Address", false); }
void BM_DefaultDesign5161WithBarcode(benchmark::State& state) { PrintLabels(state, "Avery 5161  Address", false); }
void BM_Presorted5160(benchmark::State& state) { PrintLabels(state, "Avery 5160  Address", true); }

BENCHMARK(BM_DefaultDesign5160)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_DefaultDesign5161WithBarcode)->Arg(10000)->Arg(100000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_Preview5160)->Arg(10000)->Iterations(1)->Unit(benchmark::kSecond);
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
