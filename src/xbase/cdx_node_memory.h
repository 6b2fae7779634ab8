// Memory for decoded index nodes. Nodes are made by the thousand as pages
// are read, and on virtual machines what they cost most is memory fresh from
// the system: a fault for every 4 KiB page first written. Their buffers are
// therefore carved from 2 MiB chunks that ask for huge pages (one fault per
// chunk), and freed buffers are kept by size class for the next node. The
// chunks stay for the life of the process; the node cache's bound bounds how
// many are needed. Under AddressSanitizer the ordinary heap is used, so that
// every buffer keeps its guards.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace xbase::cdx {

void* AllocateNodeMemory(size_t bytes);
// REQUIRES: `bytes` as given to the AllocateNodeMemory call that returned p.
void FreeNodeMemory(void* p, size_t bytes);

template <typename T>
class NodeAllocator {
 public:
  using value_type = T;

  NodeAllocator() = default;
  template <typename U>
  NodeAllocator(const NodeAllocator<U>&) {}

  T* allocate(size_t n) { return static_cast<T*>(AllocateNodeMemory(n * sizeof(T))); }
  void deallocate(T* p, size_t n) { FreeNodeMemory(p, n * sizeof(T)); }

  template <typename U>
  bool operator==(const NodeAllocator<U>&) const { return true; }
};

using NodeBytes = std::basic_string<char, std::char_traits<char>, NodeAllocator<char>>;
template <typename T>
using NodeVector = std::vector<T, NodeAllocator<T>>;

}  // namespace xbase::cdx
