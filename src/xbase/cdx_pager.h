// The page layer of a CDX file: a bounded cache of decoded nodes, the list
// of free pages, allocation, and writing changed pages back in offset order.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cdx_node.h"
#include "xbase/env.h"

namespace xbase::cdx {

class Pager {
 public:
  // `file_end` is the file size; pages are allocated from there on.
  Pager(File* file, uint64_t file_end);

  Pager(const Pager&) = delete;
  Pager& operator=(const Pager&) = delete;

  // The node at `offset`, read and decoded unless cached. Offsets outside
  // the file, and a page already cached for a tag of another key length,
  // give Corruption.
  Status Load(uint32_t offset, uint16_t key_length, char pad, std::shared_ptr<Node>* node);
  // A new empty node on a free or new page, cached and dirty.
  Status NewNode(bool leaf, uint16_t key_length, char pad, std::shared_ptr<Node>* node);
  // Records that `node` changed; Flush writes it.
  void MarkDirty(const std::shared_ptr<Node>& node);
  // The page at `offset` for a change: its bytes, to be changed where they
  // lie, when the file is mapped writable and no decoded copy of it is
  // dirty, in anyone's hands or an interior node (a clean cached leaf is
  // dropped, since it would go stale); else its node, as Load gives it.
  // Changes made on the bytes land in the file at once: only for pages of
  // a tree, after the index is marked as being written.
  Status LoadForChange(uint32_t offset, uint16_t key_length, char pad, std::shared_ptr<Node>* node, char** page);
  // The decoded node at `offset` when it is cached, else null; reads no page.
  const Node* Cached(uint32_t offset) const {
    return IsNodeOffset(offset, end_) && offset / kPageSize < cache_.size() ? cache_[offset / kPageSize].get()
                                                                            : nullptr;
  }
  // Ask the processor to start fetching what Load and LoadForChange read
  // for `offset`: its cache slot, and the page's bytes in the file's view.
  void PrefetchSlot(uint32_t offset) const {
    if (offset / kPageSize < cache_.size()) __builtin_prefetch(&cache_[offset / kPageSize]);
  }
  void PrefetchPage(uint32_t offset) const;

  // The page's bytes in the file's view as it stands, else null.
  const char* MappedPage(uint32_t offset) const {
    return mapping_current_ && IsNodeOffset(offset, end_) && offset + uint64_t{kPageSize} <= mapped_size_
               ? mapped_ + offset
               : nullptr;
  }
  // Returns a node's page to the free list. The node must no longer be linked.
  void Free(uint32_t offset);

  // A page for a node: from the free list, else at the end of the file.
  uint32_t AllocatePage();
  // `pages` consecutive pages at the end of the file.
  uint32_t AllocateAtEnd(uint32_t pages);
  // Queues bytes to be written at `offset` by the next Flush (or earlier,
  // once many are queued).
  Status WriteRaw(uint32_t offset, std::string bytes);
  // Writes whole pages straight to the file. Only for freshly allocated
  // pages that nothing in the file refers to yet (a new tree before its
  // header), so that the write order does not matter.
  Status WriteUnreferenced(uint32_t offset, std::string_view pages);
  // Writes bytes that lie outside every page of a tree (the file header's
  // own fields) straight to the file.
  Status WriteNow(uint32_t offset, std::string_view bytes);
  // Writes every queued page and dirty node, in offset order.
  Status Flush();
  bool HasChanges() const { return !dirty_.empty() || !raw_.empty(); }

  // Reads the on-disk free list starting at `head`. A list that leaves the
  // file or loops gives Corruption.
  Status ReadFreeList(uint32_t head);
  uint32_t free_list_head() const { return free_.empty() ? kNoPage : free_.back(); }
  const std::vector<uint32_t>& free_pages() const { return free_; }
  uint64_t file_end() const { return end_; }

 private:
  void EvictCleanNodes();
  // Forgets the cached node at `offset`, if any; it is read again when needed.
  void Drop(uint32_t offset);
  // A node to decode a page into: a dropped one when there is one.
  std::shared_ptr<Node> TakeSpareNode();
  // The page at `offset`: in the file's mapping when there is one, else
  // read into `buffer`.
  Status ReadPage(uint32_t offset, char* buffer, const char** page);
  // Takes the file's view again if a write may have moved it: a writable
  // one when the file offers it, else a read-only one, else none.
  void RefreshMapping();
  Status Write(uint64_t offset, std::string_view bytes);
  // The cache slot of the page at `offset`. REQUIRES: offset < end_.
  std::shared_ptr<Node>& Slot(uint32_t offset);

  File* file_;
  uint64_t end_;
  // A view of the file, taken again after every write; reads come from it
  // without a system call, and when it is writable, changed pages are
  // stored into it.
  char* mapped_ = nullptr;
  uint64_t mapped_size_ = 0;
  bool mapped_writable_ = false;
  bool mapping_current_ = false;
  bool writable_view_refused_ = false;
  // Indexed by page number: a lookup is one array access.
  std::vector<std::shared_ptr<Node>> cache_;
  size_t cache_bytes_ = 0;
  size_t evict_from_ = 0;  // where the next eviction sweep starts
  std::vector<std::shared_ptr<Node>> dirty_;
  std::vector<std::shared_ptr<Node>> spare_;
  std::map<uint32_t, std::string> raw_;
  size_t raw_bytes_ = 0;
  // Free pages, the list head last; each page links to the one before it.
  std::vector<uint32_t> free_;
  // Scratch space of Flush.
  std::string flush_encoded_;
  std::string flush_run_;
  std::vector<std::pair<uint32_t, std::string_view>> flush_pages_;
};

}  // namespace xbase::cdx
