// Benchmarks of the engine on generated address tables: tag building,
// filtered counts, seeks, ordered scans, appends with every tag kept
// current, and pack with rebuild.
//
//   xbase_bench [--records N[,N...]] [--dir DIR]
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>

#include "address_generator.h"
#include "core/address_layout.h"
#include "xbase/table.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Check(const xbase::Status& s, const char* what) {
  if (!s.ok()) {
    std::fprintf(stderr, "%s: %s\n", what, s.ToString().c_str());
    std::exit(1);
  }
}

long PeakMemoryMiB() {
  struct rusage usage;
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

std::unique_ptr<xbase::Table> Open(const std::string& path) {
  std::unique_ptr<xbase::Table> table;
  Check(xbase::Table::Open(path, {}, &table), "open");
  return table;
}

void RunAt(uint32_t records, const std::string& dir) {
  std::string path = dir + "/BENCH" + std::to_string(records) + ".DBF";
  std::printf("== %u records\n", records);
  auto start = Clock::now();
  Check(bench::GenerateAddressTable(path, records, 42), "generate");
  std::printf("generate table (no tags)        %8.3f s\n", SecondsSince(start));
  // Each step starts with the previous one's writes on disk, so that none
  // is measured against the system's write-back of another.
  ::sync();

  auto table = Open(path);
  start = Clock::now();
  Check(table->IndexTags(vellumo::AddressTags()), "index");
  std::printf("build all 26 tags               %8.3f s\n", SecondsSince(start));
  Check(table->Close(), "close");
  std::printf("CDX size                        %8.1f MiB\n",
              std::filesystem::file_size(dir + "/BENCH" + std::to_string(records) + ".CDX") / 1048576.0);

  table = Open(path);
  Check(table->SetFilter("UPPER(LNAME)=\"SMITH1\" .AND. !ISDEL"), "filter");
  uint32_t count = 0;
  Check(table->QueryRecCount(&count), "count");  // warms the page cache
  start = Clock::now();
  constexpr int kCountRuns = 5;
  for (int i = 0; i < kCountRuns; ++i) Check(table->QueryRecCount(&count), "count");
  std::printf("count with filter               %8.1f ms (%u records)\n",
              SecondsSince(start) * 1000 / kCountRuns, count);
  Check(table->SetFilter(""), "filter");

  Check(table->SetOrder(table->TagArea("LNAME")), "order");
  std::mt19937 rng(7);
  std::vector<std::string> keys;
  uint64_t state = 99;
  for (int i = 0; i < 100000; ++i) {
    std::string last = bench::RandomAddress(&state).fields[0].second;
    for (char& c : last) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    keys.push_back(last);
  }
  // The first round reads index pages and records from the files; the
  // second finds them cached, as a working session does.
  for (const char* round : {"first round", "second round"}) {
    start = Clock::now();
    size_t found = 0;
    for (const std::string& key : keys) {
      Check(table->Seek(key), "seek");
      found += table->Found();
    }
    std::printf("seek in LNAME, %-12s     %8.2f us each (%zu of %zu found)\n", round,
                SecondsSince(start) * 1e6 / keys.size(), found, keys.size());
  }

  start = Clock::now();
  uint32_t visited = 0;
  xbase::Status s;
  for (s = table->GoTop(); s.ok() && !table->Eof(); s = table->Skip(1)) ++visited;
  Check(s, "skip");
  std::printf("skip through LNAME order        %8.3f s (%u records)\n", SecondsSince(start), visited);

  Check(table->SetOrder(0), "order");
  Check(table->Close(), "close");
  ::sync();
  // Appends as bulk work does them (a commit every 100 records, not synced),
  // then as a user's edits are (every record committed durably).
  for (bool durable : {false, true}) {
    xbase::OpenOptions options;
    options.durable_commits = durable;
    Check(xbase::Table::Open(path, options, &table), "open");
    const int appends = durable ? 200 : 5000;
    const int commit_every = durable ? 1 : 100;
    start = Clock::now();
    for (int i = 1; i <= appends; ++i) {
      Check(table->AppendBlank(), "append");
      for (const auto& [field, value] : bench::RandomAddress(&state).fields) {
        Check(table->Replace(field, value), "replace");
      }
      if (i % commit_every == 0) Check(table->Commit(), "commit");
    }
    std::printf("append + 26 tags, %-13s %8.1f us each\n",
                durable ? "synced commit" : "bulk commits", SecondsSince(start) * 1e6 / appends);
    if (durable) break;
    Check(table->Close(), "close");
  }

  ::sync();
  start = Clock::now();
  Check(table->Pack(), "pack");
  std::printf("pack (2%% deleted) + 26 tags     %8.3f s\n", SecondsSince(start));
  Check(table->CheckIndexes(), "check");
  Check(table->Close(), "close");
  std::printf("peak memory so far              %8ld MiB\n", PeakMemoryMiB());
  for (const char* ext : {".DBF", ".CDX", ".FPT"}) {
    std::filesystem::remove(dir + "/BENCH" + std::to_string(records) + ext);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string sizes = "100000";
  std::string dir = std::filesystem::temp_directory_path().string();
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--records") == 0) sizes = argv[i + 1];
    if (std::strcmp(argv[i], "--dir") == 0) dir = argv[i + 1];
  }
  std::stringstream list(sizes);
  for (std::string n; std::getline(list, n, ',');) RunAt(static_cast<uint32_t>(std::stoul(n)), dir);
  return 0;
}
