// An allocator for the large arrays of index building (key batches, sort
// buffers, tag images). Big blocks are mapped with their pages populated up
// front, and blocks given back are kept for the next request instead of
// being unmapped: on virtual machines the first write to memory fresh from
// the system costs far more than the sort itself, while memory used before
// is cheap. ReleaseBlockCache() returns the kept blocks once a build is done.
#pragma once

#include <cstddef>
#include <new>
#include <utility>

namespace xbase::cdx {

// Smaller blocks come from the ordinary heap.
constexpr size_t kMappedThreshold = size_t{1} << 20;

// A block of at least `bytes` (>= kMappedThreshold): a kept one if one is
// large enough, else freshly mapped. Throws std::bad_alloc.
void* AllocateBlock(size_t bytes);
// Takes back a block from AllocateBlock, keeping it for reuse while the
// kept blocks stay under a bound.
void FreeBlock(void* block);
// Unmaps every kept block.
void ReleaseBlockCache();

template <typename T>
class PopulatedAllocator {
 public:
  using value_type = T;

  PopulatedAllocator() = default;
  template <typename U>
  PopulatedAllocator(const PopulatedAllocator<U>&) {}

  T* allocate(size_t n) {
    const size_t bytes = n * sizeof(T);
    if (bytes < kMappedThreshold) return static_cast<T*>(::operator new(bytes));
    return static_cast<T*>(AllocateBlock(bytes));
  }

  void deallocate(T* p, size_t n) {
    if (n * sizeof(T) < kMappedThreshold) {
      ::operator delete(p);
    } else {
      FreeBlock(p);
    }
  }

  // Elements are left uninitialized by resize: every user writes them
  // before reading, and zeroing large arrays twice shows in profiles.
  template <typename U>
  void construct(U* p) {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }

  template <typename U>
  bool operator==(const PopulatedAllocator<U>&) const { return true; }
};

}  // namespace xbase::cdx
