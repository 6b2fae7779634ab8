// Table and memo file throughput: appends, scans and random lookups through
// RecordView, ReadRecord, pack, and memo writes and reads.
//
//   xbase_bench [records] [directory]     (default 1000000 in /tmp)
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>

#include "dbf_file.h"
#include "memo_file.h"

namespace xbase {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void Check(const Status& s) {
  if (!s.ok()) {
    std::fprintf(stderr, "%s\n", s.ToString().c_str());
    std::exit(1);
  }
}

// About 650 bytes per record, like an address book entry.
std::vector<FieldDef> AddressFields() {
  return {{"NAME", 'C', 60},    {"COMPANY", 'C', 60}, {"STREET", 'C', 120}, {"CITY", 'C', 40},
          {"STATE", 'C', 2},    {"ZIP", 'C', 10},     {"PHONE", 'C', 20},   {"EMAIL", 'C', 80},
          {"COMMENT", 'C', 220}, {"AMOUNT", 'N', 12, 2}, {"ADDED", 'D', 8},  {"ACTIVE", 'L', 1},
          {"NOTES", 'M', 10}};
}

void BenchTable(const std::string& dir, uint32_t records) {
  Env* env = Env::Default();
  const std::string path = dir + "/xbase_bench_" + std::to_string(::getpid()) + ".dbf";
  std::unique_ptr<DbfFile> dbf;
  Check(DbfFile::Create(env, path, AddressFields(), LockMode::kExclusive, &dbf));
  std::printf("record length %u bytes, %u records\n", dbf->record_length(), records);

  std::string record = dbf->BlankRecord();
  const Schema schema = dbf->schema();
  auto start = Clock::now();
  for (uint32_t i = 1; i <= records; ++i) {
    Check(DbfFile::StoreText(schema.field(0), "Name " + std::to_string(i), record.data()));
    Check(DbfFile::StoreText(schema.field(9), std::to_string(i % 100000) + ".25", record.data()));
    uint32_t recno;
    Check(dbf->AppendRecord(record, &recno));
  }
  Check(dbf->Commit());
  double ms = MillisecondsSince(start);
  std::printf("append + StoreText    %8.0f ms  %6.0f ns/record\n", ms, ms * 1e6 / records);

  for (int pass = 1; pass <= 3; ++pass) {
    start = Clock::now();
    uint64_t sum = 0;
    for (uint32_t recno = 1; recno <= records; ++recno) {
      std::string_view view;
      Check(dbf->RecordView(recno, &view));
      sum += static_cast<unsigned char>(view[0]) + static_cast<unsigned char>(view[view.size() - 1]);
    }
    ms = MillisecondsSince(start);
    std::printf("scan RecordView #%d    %8.1f ms  %6.1f ns/record  (%.1f GB/s, check %llu)\n", pass,
                ms, ms * 1e6 / records,
                static_cast<double>(records) * dbf->record_length() / (ms * 1e6),
                static_cast<unsigned long long>(sum));
  }

  std::mt19937 rng(42);
  std::uniform_int_distribution<uint32_t> pick(1, records);
  std::vector<uint32_t> order(records);
  for (uint32_t& r : order) r = pick(rng);
  start = Clock::now();
  uint64_t sum = 0;
  for (uint32_t recno : order) {
    std::string_view view;
    Check(dbf->RecordView(recno, &view));
    sum += static_cast<unsigned char>(view[1]);
  }
  ms = MillisecondsSince(start);
  std::printf("random RecordView     %8.1f ms  %6.1f ns/lookup (check %llu)\n", ms,
              ms * 1e6 / records, static_cast<unsigned long long>(sum));

  std::string buf(dbf->record_length(), '\0');
  start = Clock::now();
  for (uint32_t recno : order) Check(dbf->ReadRecord(recno, buf.data()));
  ms = MillisecondsSince(start);
  std::printf("random ReadRecord     %8.1f ms  %6.1f ns/lookup\n", ms, ms * 1e6 / records);

  start = Clock::now();
  Check(dbf->Pack([](uint32_t recno, std::string_view) { return recno % 10 != 0; }, nullptr));
  ms = MillisecondsSince(start);
  std::printf("pack (drop 10%%)       %8.0f ms  %6.0f ns/record\n", ms, ms * 1e6 / records);
  dbf.reset();
  Check(env->RemoveFile(path));
}

void BenchMemo(const std::string& dir, uint32_t memos) {
  Env* env = Env::Default();
  const std::string path = dir + "/xbase_bench_" + std::to_string(::getpid()) + ".fpt";
  std::unique_ptr<MemoFile> memo;
  Check(MemoFile::CreateFpt(env, path, MemoFile::kDefaultFptBlockSize, LockMode::kExclusive, &memo));
  std::vector<uint32_t> blocks(memos);
  const std::string text(300, 'm');
  auto start = Clock::now();
  for (uint32_t& block : blocks) Check(memo->Write(text, &block));
  Check(memo->Flush(true));
  double ms = MillisecondsSince(start);
  std::printf("memo write 300 bytes  %8.0f ms  %6.0f ns/memo\n", ms, ms * 1e6 / memos);
  start = Clock::now();
  for (uint32_t& block : blocks) Check(memo->Write("shorter, in place", &block));
  ms = MillisecondsSince(start);
  std::printf("memo rewrite in place %8.0f ms  %6.0f ns/memo\n", ms, ms * 1e6 / memos);
  std::string data;
  start = Clock::now();
  for (uint32_t block : blocks) Check(memo->Read(block, &data));
  ms = MillisecondsSince(start);
  std::printf("memo read             %8.0f ms  %6.0f ns/memo\n", ms, ms * 1e6 / memos);
  memo.reset();
  Check(env->RemoveFile(path));
}

}  // namespace
}  // namespace xbase

int main(int argc, char** argv) {
  uint32_t records = argc > 1 ? static_cast<uint32_t>(std::stoul(argv[1])) : 1000000;
  std::string dir = argc > 2 ? argv[2] : "/tmp";
  xbase::BenchTable(dir, records);
  xbase::BenchMemo(dir, records / 10);
  return 0;
}
