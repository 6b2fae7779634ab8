// A compound index file (.CDX) in the compact format: a tag directory and one
// B+-tree per tag, in 512-byte pages. Keys are fixed-length byte strings that
// compare with memcmp, duplicates ordered by record number; what a key means
// (which expression made it) is the table's business, not this file's.
// The on-disk layout is described in docs/cdx-format.md.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cdx_allocator.h"
#include "xbase/env.h"
#include "xbase/status.h"

namespace xbase {

struct TagDefinition {
  std::string name;             // upper case, 1 to 10 characters
  std::string key_expression;   // stored as text for other programs
  std::string for_expression;   // "" when the tag has no condition
  uint16_t key_length = 0;      // 1 to 240
  bool character_keys = true;   // trailing blanks are compressed; otherwise trailing NULs
  bool descending = false;
  bool unique = false;
};

// Keys gathered for building a tag in one pass. Entries are stored flat,
// key_length bytes of key followed by the record number, in the order
// appended; Sort computes the order in which key(i) and recno(i) list them.
class KeyBatch {
 public:
  KeyBatch(uint16_t key_length, size_t expected_count);

  uint16_t key_length() const { return key_length_; }
  size_t size() const;
  // Adds an entry (after the sorted ones, if Sort ran) and returns its
  // key_length bytes for the caller to fill.
  char* Append(uint32_t recno);
  // Orders the entries by key bytes, then record number.
  void Sort();

  std::string_view key(size_t i) const;
  uint32_t recno(size_t i) const;
  // Asks the processor to start fetching entry i, about to be read.
  void Prefetch(size_t i) const { __builtin_prefetch(entry(i)); }

 private:
  const char* entry(size_t i) const {
    return entries_.data() + (order_.empty() ? i : order_[i]) * (key_length_ + 4u);
  }

  uint16_t key_length_;
  std::vector<char, cdx::PopulatedAllocator<char>> entries_;
  std::vector<uint32_t, cdx::PopulatedAllocator<uint32_t>> order_;  // empty until sorted
  // Whether record numbers were appended in ascending order, as scans
  // append them: then a stable sort by key alone leaves equal keys in
  // record number order.
  bool recnos_ascending_ = true;
  uint32_t last_recno_ = 0;
};

// A tag's tree encoded as whole pages numbered from 0, as if it started at
// the beginning of a file; CreateTag places it and relocates its page
// pointers. Encoding needs no index file, so it can run on any thread.
struct TagImage {
  uint16_t key_length = 0;
  bool character_keys = true;
  std::vector<char, cdx::PopulatedAllocator<char>> pages;
  uint32_t root_page = 0;  // page number of the root within `pages`

  size_t page_count() const;
  // Encodes the entries of `keys`, which must be sorted (KeyBatch::Sort);
  // InvalidArgument when they are out of order or repeat an entry.
  static Status Encode(const KeyBatch& keys, bool character_keys, TagImage* image);
};

// Receives progress as a percentage (0 to 100) of the current tag.
using ProgressFn = std::function<void(int percent)>;

// What the table stores in the index's header so that an index left behind
// by a crash, or by a program that changed the table without it, is noticed.
struct SyncStamp {
  uint32_t record_count = 0;
  uint64_t table_change_stamp = 0;  // the table file's File::ChangeStamp after our last write
  bool writing = false;             // set while pages are being written
};

class TagCursor;

class CompoundIndex {
 public:
  virtual ~CompoundIndex() = default;

  // Creates an empty index file (no tags) at `path`.
  static Status Create(Env* env, const std::string& path, LockMode lock,
                       std::unique_ptr<CompoundIndex>* result);
  // Opens an index file and reads its tag directory. Damaged files give
  // Status::Corruption naming the problem, never a crash.
  static Status Open(Env* env, const std::string& path, bool writable, LockMode lock,
                     std::unique_ptr<CompoundIndex>* result);

  virtual const std::string& path() const = 0;
  // Tags in creation order (for foreign files: the order of their headers in the file).
  virtual size_t tag_count() const = 0;
  virtual const TagDefinition& tag(size_t i) const = 0;
  // Position of the tag called `name` (case-insensitive), or -1.
  virtual int FindTag(std::string_view name) const = 0;

  // Writes a tag holding `keys`, which must be sorted (KeyBatch::Sort).
  // A tag of the same name is replaced.
  virtual Status CreateTag(const TagDefinition& definition, const KeyBatch& keys,
                           const ProgressFn& progress) = 0;
  // The same from keys encoded beforehand. The image's pages are relocated
  // in place, so it is of no further use.
  virtual Status CreateTag(const TagDefinition& definition, TagImage* image,
                           const ProgressFn& progress) = 0;
  virtual Status DropTag(std::string_view name) = 0;

  // Maintenance of one tag; `key` is exactly the tag's key_length bytes.
  // Inserting an entry already present changes nothing. Unique tags are not
  // policed here: the table decides which record a unique key keeps.
  virtual Status Insert(size_t tag, std::string_view key, uint32_t recno) = 0;
  // Inserts the keys of record `recno` into their tags, as Insert would one
  // after another, walking the trees together first so that their memory
  // reads overlap.
  struct TagKey {
    size_t tag;
    std::string_view key;
  };
  virtual Status InsertAll(std::span<const TagKey> keys, uint32_t recno) = 0;
  // NotFound when the entry is absent.
  virtual Status Delete(size_t tag, std::string_view key, uint32_t recno) = 0;

  // Writes every changed page to the file, in offset order. After a failed
  // Flush the changes stay queued for the next one.
  virtual Status Flush() = 0;

  virtual Status ReadStamp(SyncStamp* stamp) = 0;
  // Written in place, immediately.
  virtual Status WriteStamp(const SyncStamp& stamp) = 0;

  // Walks every page of every tag and checks page bounds, key order and
  // sibling links; Corruption names the first fault.
  virtual Status CheckStructure() = 0;

  // REQUIRES: tag < tag_count(). The cursor must not outlive the tag
  // (DropTag, or CreateTag replacing it).
  virtual std::unique_ptr<TagCursor> NewCursor(size_t tag) = 0;
};

// A position in one tag, in key order (descending tags walk their keys from
// high to low). A cursor stays usable across Insert and Delete on its index,
// but must be positioned again (Seek, SeekEntry, First, Last) after them.
class TagCursor {
 public:
  virtual ~TagCursor() = default;

  virtual Status First() = 0;
  virtual Status Last() = 0;
  // Positions at the first entry whose key, compared over key.size() bytes,
  // is not below `key` (a shorter key seeks a prefix). Valid() is false past the end.
  // On a descending tag: the first entry, walking down, that is not above `key`.
  virtual Status Seek(std::string_view key) = 0;
  // Positions at exactly this entry; NotFound (and not Valid) when it is absent.
  virtual Status SeekEntry(std::string_view key, uint32_t recno) = 0;
  // InvalidArgument when the cursor is not positioned. A failed move leaves
  // it unpositioned.
  virtual Status Next() = 0;
  virtual Status Prev() = 0;

  virtual bool Valid() const = 0;
  // REQUIRES: Valid(). The full key_length bytes, padding restored.
  virtual std::string_view key() const = 0;
  virtual uint32_t recno() const = 0;
};

}  // namespace xbase
