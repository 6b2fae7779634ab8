// Node cache, free list and write-back for CDX files.
#include "cdx_pager.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "coding.h"

namespace xbase::cdx {
namespace {

// Past this much decoded memory, clean nodes are dropped. Decoded keys take
// their full length, so a tag of a million 60-byte keys needs about 75 MiB
// to stay warm.
constexpr size_t kCacheLimitBytes = 128u << 20;
// Leaves just written are dropped once the cache holds more than this:
// appends in key order rarely come back to a leaf, and their memory is
// better reused than fresh memory taken for the next leaves.
constexpr size_t kWrittenLeavesKeptBytes = 24u << 20;
// Queued raw pages beyond this are written at once.
constexpr size_t kRawLimitBytes = 4u << 20;
// Dropped nodes kept for reuse, so that reading a page seldom allocates.
constexpr size_t kSpareNodes = 4096;

}  // namespace

Pager::Pager(File* file, uint64_t file_end)
    : file_(file), end_((file_end + kPageSize - 1) / kPageSize * kPageSize) {}

std::shared_ptr<Node>& Pager::Slot(uint32_t offset) {
  const size_t page = offset / kPageSize;
  if (page >= cache_.size()) {
    // New pages come one at a time past the end; moving the slots to a
    // bigger array for them should be rare, as fresh memory is dear.
    const size_t needed = std::max<size_t>(end_ / kPageSize, page + 1);
    if (needed > cache_.capacity()) cache_.reserve(needed + needed / 4 + 1024);
    cache_.resize(needed);
  }
  return cache_[page];
}

Status Pager::Load(uint32_t offset, uint16_t key_length, char pad, std::shared_ptr<Node>* node) {
  if (!IsNodeOffset(offset, end_)) {
    return Status::Corruption("index page offset " + Hex(offset) + " is outside the file");
  }
  std::shared_ptr<Node>& slot = Slot(offset);
  if (slot) {
    if (slot->key_length != key_length || slot->pad != pad) {
      return Status::Corruption("index page " + Hex(offset) + " is used by two tags");
    }
    *node = slot;
    return Status::OK();
  }
  char buffer[kPageSize];
  const char* page = nullptr;
  XBASE_RETURN_IF_ERROR(ReadPage(offset, buffer, &page));
  std::shared_ptr<Node> fresh = TakeSpareNode();
  XBASE_RETURN_IF_ERROR(DecodeNode(page, offset, key_length, pad, fresh.get()));
  if (cache_bytes_ > kCacheLimitBytes) EvictCleanNodes();
  cache_bytes_ += fresh->MemoryUsage();
  Slot(offset) = fresh;
  *node = std::move(fresh);
  return Status::OK();
}

void Pager::RefreshMapping() {
  if (mapping_current_) return;
  mapping_current_ = true;
  mapped_writable_ = false;
  if (!writable_view_refused_) {
    if (file_->WritableView(&mapped_, &mapped_size_).ok()) {
      mapped_writable_ = true;
      return;
    }
    writable_view_refused_ = true;  // read-only, or a file system that copies on write
  }
  std::string_view view;
  if (file_->View(&view).ok()) {
    mapped_ = const_cast<char*>(view.data());  // read only: mapped_writable_ stays false
    mapped_size_ = view.size();
  } else {
    mapped_ = nullptr;  // an environment without views is read page by page
    mapped_size_ = 0;
  }
}

Status Pager::ReadPage(uint32_t offset, char* buffer, const char** page) {
  RefreshMapping();
  if (offset + uint64_t{kPageSize} <= mapped_size_) {
    *page = mapped_ + offset;
    return Status::OK();
  }
  size_t read = 0;
  XBASE_RETURN_IF_ERROR(file_->ReadAt(offset, kPageSize, buffer, &read));
  if (read != kPageSize) return Status::Corruption("index page " + Hex(offset) + " is past the end of the file");
  *page = buffer;
  return Status::OK();
}

Status Pager::Write(uint64_t offset, std::string_view bytes) {
  mapping_current_ = false;  // the view is not valid past a write
  return file_->WriteAt(offset, bytes);
}

void Pager::EvictCleanNodes() {
  // Sweeps on from where the last sweep stopped, so every region takes its turn.
  for (size_t visited = 0; visited < cache_.size() && cache_bytes_ > kCacheLimitBytes * 3 / 4; ++visited) {
    if (evict_from_ >= cache_.size()) evict_from_ = 0;
    const std::shared_ptr<Node>& slot = cache_[evict_from_++];
    if (slot && !slot->dirty) Drop(slot->offset);
  }
}

void Pager::Drop(uint32_t offset) {
  std::shared_ptr<Node>& slot = Slot(offset);
  if (!slot) return;
  cache_bytes_ -= std::min(cache_bytes_, slot->MemoryUsage());
  // A node nobody else holds keeps its buffers for the next page decoded.
  if (slot.use_count() == 1 && spare_.size() < kSpareNodes) {
    spare_.push_back(std::move(slot));
  } else {
    slot.reset();
  }
}

std::shared_ptr<Node> Pager::TakeSpareNode() {
  if (spare_.empty()) return std::allocate_shared<Node>(NodeAllocator<Node>());
  std::shared_ptr<Node> node = std::move(spare_.back());
  spare_.pop_back();
  return node;
}

Status Pager::NewNode(bool leaf, uint16_t key_length, char pad, std::shared_ptr<Node>* node) {
  auto fresh = std::allocate_shared<Node>(NodeAllocator<Node>());
  fresh->offset = AllocatePage();
  fresh->leaf = leaf;
  fresh->key_length = key_length;
  fresh->pad = pad;
  cache_bytes_ += fresh->MemoryUsage();
  MarkDirty(fresh);
  *node = std::move(fresh);
  return Status::OK();
}

void Pager::MarkDirty(const std::shared_ptr<Node>& node) {
  Slot(node->offset) = node;  // back in, should it have been evicted while clean
  if (node->dirty) return;
  node->dirty = true;
  dirty_.push_back(node);
}

Status Pager::LoadForChange(uint32_t offset, uint16_t key_length, char pad, std::shared_ptr<Node>* node,
                            char** page) {
  *page = nullptr;
  if (!IsNodeOffset(offset, end_)) return Load(offset, key_length, pad, node);
  RefreshMapping();
  const bool in_view = mapped_writable_ && offset + uint64_t{kPageSize} <= mapped_size_;
  const std::shared_ptr<Node>& slot = Slot(offset);
  if (!in_view || (slot && (!slot->leaf || slot->dirty || slot.use_count() > 1))) {
    return Load(offset, key_length, pad, node);
  }
  if (slot) Drop(offset);  // a clean copy would go stale
  *page = mapped_ + offset;
  return Status::OK();
}

void Pager::PrefetchPage(uint32_t offset) const {
  const char* page = MappedPage(offset);
  if (page == nullptr) return;
  for (size_t line = 0; line < kPageSize; line += 64) __builtin_prefetch(page + line, 1);
}

void Pager::Free(uint32_t offset) {
  std::shared_ptr<Node>& slot = Slot(offset);
  if (slot) {
    slot->freed = true;
    cache_bytes_ -= std::min(cache_bytes_, slot->MemoryUsage());
    slot.reset();
  }
  std::string page(kPageSize, '\0');
  EncodeLE32(page.data(), free_list_head());
  raw_bytes_ += kPageSize;
  raw_[offset] = std::move(page);
  free_.push_back(offset);
}

uint32_t Pager::AllocatePage() {
  if (free_.empty()) return AllocateAtEnd(1);
  uint32_t offset = free_.back();
  free_.pop_back();
  auto it = raw_.find(offset);
  if (it != raw_.end()) {
    raw_bytes_ -= it->second.size();
    raw_.erase(it);
  }
  return offset;
}

uint32_t Pager::AllocateAtEnd(uint32_t pages) {
  uint32_t offset = static_cast<uint32_t>(end_);
  end_ += static_cast<uint64_t>(pages) * kPageSize;
  return offset;
}

Status Pager::WriteRaw(uint32_t offset, std::string bytes) {
  raw_bytes_ += bytes.size();
  raw_[offset] = std::move(bytes);
  if (raw_bytes_ > kRawLimitBytes) return Flush();
  return Status::OK();
}

Status Pager::WriteUnreferenced(uint32_t offset, std::string_view pages) { return Write(offset, pages); }

Status Pager::WriteNow(uint32_t offset, std::string_view bytes) { return Write(offset, bytes); }

Status Pager::Flush() {
  // Pages inside the file are stored straight into its writable view, which
  // costs a copy instead of a system call each. The others (new pages past
  // the end, or all of them when the file offers no view) are encoded side
  // by side in one buffer and go out in offset order, adjacent pages in one
  // write. The buffers live on between flushes: a commit allocates nothing.
  if (!HasChanges()) return Status::OK();  // a commit that changed no key asks the file nothing
  RefreshMapping();
  char* const mapped = mapped_writable_ ? mapped_ : nullptr;
  const uint64_t mapped_size = mapped_writable_ ? mapped_size_ : 0;
  auto inside_view = [mapped_size](uint64_t offset, size_t size) { return offset + size <= mapped_size; };
  std::string& encoded = flush_encoded_;
  std::vector<std::pair<uint32_t, std::string_view>>& pages = flush_pages_;
  encoded.resize(dirty_.size() * kPageSize);
  pages.clear();
  size_t used = 0;
  for (const auto& node : dirty_) {
    if (node->freed || !node->dirty) continue;
    if (inside_view(node->offset, kPageSize)) {
      EncodeNode(*node, mapped + node->offset);
      continue;
    }
    EncodeNode(*node, encoded.data() + used);
    pages.push_back({node->offset, std::string_view(encoded).substr(used, kPageSize)});
    used += kPageSize;
  }
  for (const auto& [offset, bytes] : raw_) {
    if (inside_view(offset, bytes.size())) {
      std::memcpy(mapped + offset, bytes.data(), bytes.size());
    } else {
      pages.push_back({offset, bytes});
    }
  }
  std::sort(pages.begin(), pages.end());
  std::string& run = flush_run_;
  run.clear();
  uint64_t run_start = 0;
  for (size_t i = 0; i < pages.size(); ++i) {
    const auto& [offset, bytes] = pages[i];
    const bool joins_next = i + 1 < pages.size() && offset + bytes.size() == pages[i + 1].first;
    if (run.empty() && !joins_next) {
      XBASE_RETURN_IF_ERROR(Write(offset, bytes));
      continue;
    }
    if (run.empty()) run_start = offset;
    run += bytes;
    if (!joins_next) {
      XBASE_RETURN_IF_ERROR(Write(run_start, run));
      run.clear();
    }
  }
  // Only now is everything in the file; a failed write leaves it all queued.
  std::vector<std::shared_ptr<Node>> written;
  written.swap(dirty_);
  for (auto& node : written) {
    node->dirty = false;
    const bool drop = node->leaf && !node->freed && cache_bytes_ > kWrittenLeavesKeptBytes;
    const uint32_t offset = node->offset;
    node.reset();
    if (drop) Drop(offset);
  }
  written.clear();
  dirty_.swap(written);  // keeps the vector's capacity for the next changes
  raw_.clear();
  raw_bytes_ = 0;
  return Status::OK();
}

Status Pager::ReadFreeList(uint32_t head) {
  free_.clear();
  std::unordered_set<uint32_t> seen;
  for (uint32_t offset = head; offset != kNoPage;) {
    if (!IsNodeOffset(offset, end_)) return Status::Corruption("free page " + Hex(offset) + " is outside the file");
    if (!seen.insert(offset).second) return Status::Corruption("free page list loops at " + Hex(offset));
    free_.push_back(offset);
    char link[4];
    size_t read = 0;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(offset, sizeof(link), link, &read));
    if (read != sizeof(link)) return Status::Corruption("free page " + Hex(offset) + " is past the end of the file");
    offset = DecodeLE32(link);
  }
  std::reverse(free_.begin(), free_.end());
  return Status::OK();
}

}  // namespace xbase::cdx
