// CDX index benchmarks: key sort, bulk build, seek, ordered walk, and
// insert+flush into many tags as a table commit does.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cdx_index.h"

namespace {

// Wall time and this thread's CPU time: on a shared machine the second
// shows what the code costs when other jobs take turns on the cores.
struct Timer {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  double cpu = CpuSeconds();

  static double CpuSeconds() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
  }
  // "12.3 (cpu 10.1)" in the given unit (1e3 for ms, 1e6 for us), per `count` operations.
  std::string Report(double unit, double count = 1) const {
    double wall_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    char text[64];
    std::snprintf(text, sizeof(text), "%.3f (cpu %.3f)", wall_s * unit / count, (CpuSeconds() - cpu) * unit / count);
    return text;
  }
};

void Check(const xbase::Status& s) {
  if (!s.ok()) {
    std::fprintf(stderr, "%s\n", s.ToString().c_str());
    std::exit(1);
  }
}

std::string RandomKey(std::mt19937_64* rng, uint16_t length) {
  std::string key(length, ' ');
  size_t used = 6 + (*rng)() % 20;
  for (size_t i = 0; i < used && i < length; ++i) key[i] = static_cast<char>('A' + (*rng)() % 26);
  return key;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? argv[1] : "/tmp";
  constexpr size_t kCount = 1000000;
  constexpr uint16_t kLength = 60;
  std::mt19937_64 rng(1);
  std::vector<std::string> keys;
  keys.reserve(kCount);
  xbase::KeyBatch batch(kLength, kCount);
  for (uint32_t r = 1; r <= kCount; ++r) {
    keys.push_back(RandomKey(&rng, kLength));
    std::memcpy(batch.Append(r), keys.back().data(), kLength);
  }
  Timer start;
  batch.Sort();
  std::printf("sort %zu keys of %u bytes: %s ms\n", kCount, kLength, start.Report(1e3).c_str());

  xbase::Env* env = xbase::Env::Default();
  const std::string path = dir + "/cdx_bench.cdx";
  std::unique_ptr<xbase::CompoundIndex> index;
  Check(xbase::CompoundIndex::Create(env, path, xbase::LockMode::kExclusive, &index));
  xbase::TagDefinition d;
  d.name = "BIG";
  d.key_length = kLength;
  start = Timer();
  xbase::TagImage image;
  Check(xbase::TagImage::Encode(batch, d.character_keys, &image));
  std::printf("encode tag of %zu keys: %s ms (%zu pages)\n", kCount, start.Report(1e3).c_str(), image.page_count());
  start = Timer();
  Check(index->CreateTag(d, &image, nullptr));
  std::printf("write tag of %zu keys: %s ms\n", kCount, start.Report(1e3).c_str());

  auto cursor = index->NewCursor(0);
  start = Timer();
  size_t walked = 0;
  for (Check(cursor->First()); cursor->Valid(); Check(cursor->Next())) ++walked;
  std::printf("walk %zu entries (cold cache): %s ms\n", walked, start.Report(1e3).c_str());
  start = Timer();
  walked = 0;
  for (Check(cursor->First()); cursor->Valid(); Check(cursor->Next())) ++walked;
  std::printf("walk %zu entries (warm cache): %s ms\n", walked, start.Report(1e3).c_str());

  std::vector<size_t> order(200000);
  for (auto& i : order) i = rng() % kCount;
  start = Timer();
  for (size_t i : order) Check(cursor->Seek(keys[i]));
  std::printf("seek random key (warm): %s us\n", start.Report(1e6, static_cast<double>(order.size())).c_str());

  // A table commit: one key into each of 26 tags, then Flush.
  const std::string commit_path = dir + "/cdx_bench_commit.cdx";
  std::unique_ptr<xbase::CompoundIndex> table;
  Check(xbase::CompoundIndex::Create(env, commit_path, xbase::LockMode::kExclusive, &table));
  constexpr int kTags = 26;
  constexpr size_t kTagKeys = 20000;
  for (int t = 0; t < kTags; ++t) {
    xbase::KeyBatch tag_keys(kLength, kTagKeys);
    for (uint32_t r = 1; r <= kTagKeys; ++r) std::memcpy(tag_keys.Append(r), keys[r * 37 % kCount].data(), kLength);
    tag_keys.Sort();
    d.name.assign(1, 'T');
    d.name += std::to_string(t);
    Check(table->CreateTag(d, tag_keys, nullptr));
  }
  constexpr int kCommits = 5000;
  double insert_seconds = 0;
  start = Timer();
  for (int c = 0; c < kCommits; ++c) {
    const double before = Timer::CpuSeconds();
    for (int t = 0; t < kTags; ++t) Check(table->Insert(t, keys[rng() % kCount], static_cast<uint32_t>(kTagKeys + 1 + c)));
    insert_seconds += Timer::CpuSeconds() - before;
    Check(table->Flush());
  }
  std::printf("insert into %d tags + flush: %s us per commit (inserts alone: cpu %.3f us)\n", kTags,
              start.Report(1e6, kCommits).c_str(), insert_seconds * 1e6 / kCommits);
  index.reset();
  table.reset();
  Check(env->RemoveFile(path));
  Check(env->RemoveFile(commit_path));
  return 0;
}
