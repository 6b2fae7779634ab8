// libFuzzer target: the input is a CDX file. Opening it, walking and seeking
// every tag, changing it and checking its structure must end in a Status,
// never a crash, hang or out-of-bounds access.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cdx_index.h"

namespace {

constexpr int kMaxSteps = 2000;

void WalkTag(xbase::CompoundIndex* index, size_t tag) {
  auto cursor = index->NewCursor(tag);
  if (cursor->First().ok()) {
    for (int i = 0; i < kMaxSteps && cursor->Valid() && cursor->Next().ok(); ++i) {
    }
  }
  if (cursor->Last().ok()) {
    for (int i = 0; i < kMaxSteps && cursor->Valid() && cursor->Prev().ok(); ++i) {
    }
  }
  const uint16_t length = index->tag(tag).key_length;
  for (const char* probe : {"", "A", "M", "ZZZZ", "\xff"}) {
    if (cursor->Seek(probe).ok() && cursor->Valid()) {
      std::string key(cursor->key());
      uint32_t recno = cursor->recno();
      (void)cursor->SeekEntry(key, recno);
      (void)cursor->Next();
    }
  }
  std::string key(length, 'K');
  if (index->Insert(tag, key, 7).ok()) (void)index->Delete(tag, key, 7);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::unique_ptr<xbase::Env> env = xbase::NewMemEnv();
  {
    std::unique_ptr<xbase::File> file;
    if (!env->CreateFile("F.CDX", xbase::LockMode::kNone, &file).ok()) return 0;
    if (!file->WriteAt(0, std::string(reinterpret_cast<const char*>(data), size)).ok()) return 0;
  }
  std::unique_ptr<xbase::CompoundIndex> index;
  if (!xbase::CompoundIndex::Open(env.get(), "F.CDX", true, xbase::LockMode::kNone, &index).ok()) return 0;
  (void)index->CheckStructure();
  for (size_t t = 0; t < index->tag_count(); ++t) WalkTag(index.get(), t);
  // One key for every tag at once, as an appended record brings them.
  std::vector<std::string> keys;
  std::vector<xbase::CompoundIndex::TagKey> all;
  for (size_t t = 0; t < index->tag_count(); ++t) keys.emplace_back(index->tag(t).key_length, 'L');
  for (size_t t = 0; t < index->tag_count(); ++t) all.push_back({t, keys[t]});
  (void)index->InsertAll(all, 8);
  (void)index->Flush();
  (void)index->CheckStructure();
  return 0;
}
