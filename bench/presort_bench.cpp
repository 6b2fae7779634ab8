// Benchmark of the bulk-mail presort: (a) tally, grouping and file from
// ZIP codes already in memory, for the generated addresses' ZIP codes and
// for ZIP codes spread evenly over all 100,000 keys; (b) the whole scan
// over a generated address table, without a pending-events call, with one
// after every record, and with one every 10 ms as the presort window makes.
//
//   presort_bench [--records N] [--dir DIR]
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "address_generator.h"
#include "core/application_home.h"
#include "postal/presort_file.h"
#include "postal/presort_groups.h"
#include "postal/presort_job.h"
#include "postal/zip_key.h"
#include "postal/zip_tally.h"
#include "xbase/table.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "%s failed\n", what);
    std::exit(1);
  }
}

std::vector<std::string> GeneratedZips(uint32_t count) {
  std::vector<std::string> zips;
  zips.reserve(count);
  uint64_t state = 42;
  for (uint32_t i = 0; i < count; ++i) {
    for (auto& [field, value] : bench::RandomAddress(&state).fields) {
      if (field == "ZIP") zips.push_back(value);
    }
  }
  return zips;
}

std::vector<std::string> EvenlySpreadZips(uint32_t count) {
  std::vector<std::string> zips;
  zips.reserve(count);
  uint64_t state = 7;
  char zip[8];
  for (uint32_t i = 0; i < count; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    std::snprintf(zip, sizeof zip, "%05u", static_cast<unsigned>((state >> 33) % 100000));
    zips.push_back(zip);
  }
  return zips;
}

void PresortFromMemory(const char* what, const std::vector<std::string>& zips) {
  auto start = Clock::now();
  vellumo::ZipTally tally;
  for (const std::string& zip : zips) {
    const std::string_view key = vellumo::ZipKey(zip);
    if (vellumo::IsUsZipKey(key)) tally.Add(key);
  }
  const double tallied = SecondsSince(start);
  const std::vector<std::string> lines = vellumo::PresortLines(tally.SortedRecords());
  const double grouped = SecondsSince(start);
  QString error;
  Check(vellumo::WritePresortFile(vellumo::PresortFilePath(), lines, &error), "write");
  std::printf("(a) %-26s tally %6.3f s, + groups %6.3f s, + file %6.3f s (%zu lines)\n", what, tallied, grouped,
              SecondsSince(start), lines.size());
}

void PresortFromTable(const char* what, const std::string& path, bool with_events, bool paced) {
  std::unique_ptr<xbase::Table> table;
  Check(xbase::Table::Open(path, {}, &table).ok(), "open");
  vellumo::PresortHooks hooks;
  if (with_events) {
    hooks.keep_going = [] {
      QCoreApplication::processEvents();
      return true;
    };
  }
  if (paced) hooks.keep_going = vellumo::PacedKeepGoing(hooks.keep_going);
  const auto start = Clock::now();
  const vellumo::PresortRun run = vellumo::RunPresort(*table, vellumo::PresortFilePath(), hooks);
  Check(run.outcome == vellumo::PresortOutcome::kCompleted, "presort");
  std::printf("(b) %-26s %6.3f s (%llu records read)\n", what, SecondsSince(start),
              static_cast<unsigned long long>(run.records_read));
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  uint32_t records = 1000000;
  std::string dir = std::filesystem::temp_directory_path().string();
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--records") == 0) records = static_cast<uint32_t>(std::stoul(argv[i + 1]));
    if (std::strcmp(argv[i], "--dir") == 0) dir = argv[i + 1];
  }
  vellumo::SetProgramDirectory(QString::fromStdString(dir));
  std::printf("== presort of %u records, %ld cores\n", records, sysconf(_SC_NPROCESSORS_ONLN));

  PresortFromMemory("generated addresses", GeneratedZips(records));
  PresortFromMemory("evenly spread ZIP codes", EvenlySpreadZips(records));

  const std::string path = dir + "/PRESORT" + std::to_string(records) + ".DBF";
  Check(bench::GenerateAddressTable(path, records, 42).ok(), "generate");
  ::sync();
  PresortFromTable("scan of the table", path, false, false);
  PresortFromTable("events after every record", path, true, false);
  PresortFromTable("events every 10 ms", path, true, true);
  for (const char* extension : {".DBF", ".FPT", ".CDX"}) {
    std::filesystem::remove(std::filesystem::path(path).replace_extension(extension));
  }
  std::filesystem::remove(vellumo::PresortFilePath().toStdString());
  return 0;
}
