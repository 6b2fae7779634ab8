// CDX index benchmarks: key sort, bulk build, seek, ordered walk, and
// insert+flush into many tags as a table commit does.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "cdx_index.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

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
  auto start = Clock::now();
  batch.Sort();
  std::printf("sort %zu keys of %u bytes: %.1f ms\n", kCount, kLength, Seconds(start) * 1e3);

  xbase::Env* env = xbase::Env::Default();
  const std::string path = dir + "/cdx_bench.cdx";
  std::unique_ptr<xbase::CompoundIndex> index;
  Check(xbase::CompoundIndex::Create(env, path, xbase::LockMode::kExclusive, &index));
  xbase::TagDefinition d;
  d.name = "BIG";
  d.key_length = kLength;
  start = Clock::now();
  Check(index->CreateTag(d, batch, nullptr));
  std::printf("build tag of %zu keys: %.1f ms\n", kCount, Seconds(start) * 1e3);

  auto cursor = index->NewCursor(0);
  start = Clock::now();
  size_t walked = 0;
  for (Check(cursor->First()); cursor->Valid(); Check(cursor->Next())) ++walked;
  std::printf("walk %zu entries (cold cache): %.1f ms\n", walked, Seconds(start) * 1e3);
  start = Clock::now();
  walked = 0;
  for (Check(cursor->First()); cursor->Valid(); Check(cursor->Next())) ++walked;
  std::printf("walk %zu entries (warm cache): %.1f ms\n", walked, Seconds(start) * 1e3);

  std::vector<size_t> order(200000);
  for (auto& i : order) i = rng() % kCount;
  start = Clock::now();
  for (size_t i : order) Check(cursor->Seek(keys[i]));
  std::printf("seek random key (warm): %.3f us\n", Seconds(start) * 1e6 / order.size());

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
    d.name = "T" + std::to_string(t);
    Check(table->CreateTag(d, tag_keys, nullptr));
  }
  constexpr int kCommits = 5000;
  start = Clock::now();
  for (int c = 0; c < kCommits; ++c) {
    for (int t = 0; t < kTags; ++t) Check(table->Insert(t, keys[rng() % kCount], static_cast<uint32_t>(kTagKeys + 1 + c)));
    Check(table->Flush());
  }
  std::printf("insert into %d tags + flush: %.1f us per commit\n", kTags, Seconds(start) * 1e6 / kCommits);
  index.reset();
  table.reset();
  Check(env->RemoveFile(path));
  Check(env->RemoveFile(commit_path));
  return 0;
}
