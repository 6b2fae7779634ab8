// The block cache behind PopulatedAllocator.
#include "cdx_allocator.h"

#include <sys/mman.h>

#include <map>
#include <mutex>

namespace xbase::cdx {
namespace {

// Each block starts with its mapped size; callers get the bytes after it.
constexpr size_t kBlockHeader = 64;  // keeps every element type aligned
constexpr size_t kBlockGranule = size_t{1} << 20;
// Kept blocks beyond this much memory are unmapped.
constexpr size_t kCacheLimitBytes = size_t{2} << 30;

struct BlockCache {
  std::mutex mutex;
  std::multimap<size_t, void*> blocks;  // mapped size -> mapping
  size_t bytes = 0;
};

BlockCache& Cache() {
  static BlockCache* cache = new BlockCache;  // lives until exit, used by worker threads
  return *cache;
}

// Maps `size` bytes with their pages present. Huge pages are asked for
// first where the system has them: a large array then costs one page-table
// entry per 2 MiB instead of 512, and walking it misses the TLB far less.
void* MapBlock(size_t size) {
  void* mapping = nullptr;
#if defined(MADV_HUGEPAGE) && defined(MADV_POPULATE_WRITE)
  mapping = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapping == MAP_FAILED) throw std::bad_alloc();
  ::madvise(mapping, size, MADV_HUGEPAGE);  // a hint: without it the pages are small
  if (::madvise(mapping, size, MADV_POPULATE_WRITE) != 0) {
    ::munmap(mapping, size);  // an older kernel: populated at mapping time instead
    mapping = nullptr;
  }
#endif
  if (mapping == nullptr) {
    mapping = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (mapping == MAP_FAILED) throw std::bad_alloc();
  }
  *static_cast<size_t*>(mapping) = size;
  return mapping;
}

}  // namespace

void* AllocateBlock(size_t bytes) {
  const size_t size = (bytes + kBlockHeader + kBlockGranule - 1) / kBlockGranule * kBlockGranule;
  void* mapping = nullptr;
  {
    BlockCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    // The smallest kept block that fits, unless it would waste most of itself.
    auto it = cache.blocks.lower_bound(size);
    if (it != cache.blocks.end() && it->first <= 2 * size) {
      mapping = it->second;
      cache.bytes -= it->first;
      cache.blocks.erase(it);
    }
  }
  if (mapping == nullptr) mapping = MapBlock(size);
  return static_cast<char*>(mapping) + kBlockHeader;
}

void FreeBlock(void* block) {
  void* mapping = static_cast<char*>(block) - kBlockHeader;
  const size_t size = *static_cast<size_t*>(mapping);
  {
    BlockCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    if (cache.bytes + size <= kCacheLimitBytes) {
      cache.blocks.emplace(size, mapping);
      cache.bytes += size;
      return;
    }
  }
  ::munmap(mapping, size);
}

void ReleaseBlockCache() {
  std::multimap<size_t, void*> blocks;
  {
    BlockCache& cache = Cache();
    std::lock_guard<std::mutex> lock(cache.mutex);
    blocks.swap(cache.blocks);
    cache.bytes = 0;
  }
  for (const auto& [size, mapping] : blocks) ::munmap(mapping, size);
}

}  // namespace xbase::cdx
