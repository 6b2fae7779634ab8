// The size-class pool behind NodeAllocator.
#include "cdx_node_memory.h"

#include <sys/mman.h>

#include <array>
#include <bit>
#include <cstdint>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define XBASE_NODE_MEMORY_FROM_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define XBASE_NODE_MEMORY_FROM_HEAP 1
#endif
#endif

namespace xbase::cdx {
namespace {

constexpr size_t kChunkBytes = size_t{2} << 20;
// Buffers above this come from the ordinary heap; decoded leaves of long
// keys are the only ones that large.
constexpr size_t kLargestPooled = size_t{64} << 10;
// Classes: multiples of 64 bytes up to 1 KiB, then four steps per power of
// two (so no buffer wastes more than a fifth of itself).
constexpr size_t kGrain = 64;
constexpr size_t kFineLimit = 1024;
constexpr size_t kFineClasses = kFineLimit / kGrain;
constexpr size_t kClasses = kFineClasses + 4 * (std::bit_width(kLargestPooled) - std::bit_width(kFineLimit));

size_t ClassOf(size_t bytes) {
  if (bytes <= kFineLimit) return bytes == 0 ? 0 : (bytes - 1) / kGrain;
  const int power = std::bit_width(bytes - 1) - 1;  // 2^power < bytes <= 2^(power + 1)
  const size_t base = size_t{1} << power;
  const size_t quarter = base / 4;
  const size_t step = (bytes - base + quarter - 1) / quarter;  // 1 to 4
  return kFineClasses + 4 * static_cast<size_t>(power - std::bit_width(kFineLimit) + 1) + step - 1;
}

size_t ClassSize(size_t index) {
  if (index < kFineClasses) return (index + 1) * kGrain;
  const size_t rest = index - kFineClasses;
  const size_t base = kFineLimit << (rest / 4);
  return base + (rest % 4 + 1) * (base / 4);
}

struct FreeBlock {
  FreeBlock* next;
};

class Pool {
 public:
  void* Allocate(size_t bytes) {
    const size_t index = ClassOf(bytes);
    std::lock_guard<std::mutex> lock(mutex_);
    if (FreeBlock* block = free_[index]) {
      free_[index] = block->next;
      return block;
    }
    const size_t size = ClassSize(index);
    if (next_ == nullptr || static_cast<size_t>(end_ - next_) < size) NewChunk();
    void* block = next_;
    next_ += size;
    return block;
  }

  void Free(void* p, size_t bytes) {
    auto* block = static_cast<FreeBlock*>(p);
    std::lock_guard<std::mutex> lock(mutex_);
    block->next = free_[ClassOf(bytes)];
    free_[ClassOf(bytes)] = block;
  }

 private:
  // A chunk aligned to its size, so that the whole of it can be one huge page.
  void NewChunk() {
    void* mapping = ::mmap(nullptr, 2 * kChunkBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<uintptr_t>(mapping);
    const uintptr_t aligned = (start + kChunkBytes - 1) & ~(kChunkBytes - 1);
    if (aligned > start) ::munmap(mapping, aligned - start);
    const uintptr_t tail = aligned + kChunkBytes;
    if (start + 2 * kChunkBytes > tail) ::munmap(reinterpret_cast<void*>(tail), start + 2 * kChunkBytes - tail);
    next_ = reinterpret_cast<char*>(aligned);
    end_ = next_ + kChunkBytes;
#if defined(MADV_HUGEPAGE)
    ::madvise(next_, kChunkBytes, MADV_HUGEPAGE);  // a hint: without it the pages are small
#endif
  }

  std::mutex mutex_;
  std::array<FreeBlock*, kClasses> free_{};
  char* next_ = nullptr;
  char* end_ = nullptr;
};

[[maybe_unused]] Pool& ThePool() {
  static Pool* pool = new Pool;  // lives until exit: nodes may be freed by static destructors
  return *pool;
}

}  // namespace

void* AllocateNodeMemory(size_t bytes) {
#if !defined(XBASE_NODE_MEMORY_FROM_HEAP)
  if (bytes <= kLargestPooled) return ThePool().Allocate(bytes);
#endif
  return ::operator new(bytes);
}

void FreeNodeMemory(void* p, size_t bytes) {
#if !defined(XBASE_NODE_MEMORY_FROM_HEAP)
  if (bytes <= kLargestPooled) {
    ThePool().Free(p, bytes);
    return;
  }
#else
  (void)bytes;
#endif
  ::operator delete(p);
}

}  // namespace xbase::cdx
