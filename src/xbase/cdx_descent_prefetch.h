// Warming the caches for several tree changes at once. An append changes
// every tag, and each tag's descent is a chain of memory reads, each waiting
// for the one before (the page's cache slot, the node, its keys, the child's
// slot...). Walked one tree at a time the waits add up; walked a step per
// tree in turn, with each step asking the processor to fetch what the next
// step of its tree reads, they overlap.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "cdx_pager.h"

namespace xbase::cdx {

// Where one descent goes: the tree's root page and the entry to reach.
struct DescentTarget {
  uint32_t root;
  std::string_view key;  // the tree's key length
  uint32_t recno;
  char pad;  // the tree's
};

// Walks from each root toward its entry, through cached nodes and interior
// pages searched where they lie, down to the leaf's page, whose bytes it
// asks for. Reads only what it has asked for a step earlier; changes and
// loads nothing, so it cannot fail: a tree it cannot follow is left.
void PrefetchDescents(const Pager& pager, std::span<const DescentTarget> targets);

}  // namespace xbase::cdx
