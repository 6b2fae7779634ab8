// An allocator for the large arrays of index building (key batches, sort
// buffers). Big blocks are mapped with their pages populated up front: one
// call instead of a page fault for every 4 KiB touched, which on virtual
// machines costs more than the sort itself.
#pragma once

#include <sys/mman.h>

#include <cstddef>
#include <new>
#include <utility>

namespace xbase::cdx {

template <typename T>
class PopulatedAllocator {
 public:
  using value_type = T;
  // Smaller blocks come from the ordinary heap.
  static constexpr size_t kMappedThreshold = size_t{1} << 20;

  PopulatedAllocator() = default;
  template <typename U>
  PopulatedAllocator(const PopulatedAllocator<U>&) {}

  T* allocate(size_t n) {
    const size_t bytes = n * sizeof(T);
    if (bytes < kMappedThreshold) return static_cast<T*>(::operator new(bytes));
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
    return static_cast<T*>(p);
  }

  void deallocate(T* p, size_t n) {
    const size_t bytes = n * sizeof(T);
    if (bytes < kMappedThreshold) {
      ::operator delete(p);
    } else {
      ::munmap(p, bytes);
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
