// CompoundIndex over a compact CDX file: the tag directory, the tags and
// their headers, and the table's sync stamp (docs/cdx-format.md).
#include "cdx_index.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_set>

#include "cdx_builder.h"
#include "cdx_cursor.h"
#include "cdx_descent_prefetch.h"
#include "cdx_format.h"
#include "cdx_pager.h"
#include "cdx_tree.h"
#include "coding.h"

namespace xbase {
namespace {

using cdx::Hex;
using cdx::kHeaderSize;
using cdx::kNoPage;
using cdx::kPageSize;
using cdx::kTagNameLength;

struct Tag {
  TagDefinition definition;
  uint32_t header_offset = 0;
  std::string header;  // the 1024 header bytes as on disk, foreign fields kept
  std::unique_ptr<cdx::Tree> tree;
};

char PadFor(bool character_keys) { return character_keys ? ' ' : '\0'; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

Status ValidateDefinition(TagDefinition* definition) {
  std::string& name = definition->name;
  if (name.empty() || name.size() > kTagNameLength) {
    return Status::InvalidArgument("tag name \"" + name + "\" must have 1 to 10 characters");
  }
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') {
      return Status::InvalidArgument("tag name \"" + name + "\" may hold only letters, digits and _");
    }
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (definition->key_length == 0 || definition->key_length > cdx::kMaxKeyLength) {
    return Status::InvalidArgument("key length " + std::to_string(definition->key_length) + " of tag " + name +
                                   " is not between 1 and 240");
  }
  return Status::OK();
}

class CdxIndex final : public CompoundIndex {
 public:
  CdxIndex(std::string path, std::unique_ptr<File> file, bool writable, uint64_t size)
      : path_(std::move(path)), file_(std::move(file)), writable_(writable), pager_(file_.get(), size) {}

  // Writes the header and empty directory of a new file.
  Status Initialize() {
    file_header_.assign(kHeaderSize, '\0');
    pager_.AllocateAtEnd(cdx::kHeaderPages);
    cdx::TagHeader header;
    header.key_length = kTagNameLength;
    header.options = cdx::kOptionCompact | cdx::kOptionCompound | cdx::kOptionDirectory;
    header.EncodeTo(file_header_.data());
    XBASE_RETURN_IF_ERROR(RebuildDirectory());
    return Flush();
  }

  // Reads the file header and the tags the directory lists.
  Status Load() {
    file_header_.assign(kHeaderSize, '\0');
    size_t read = 0;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(0, kHeaderSize, file_header_.data(), &read));
    if (read != kHeaderSize) {
      return Status::Corruption("not a CDX file (only " + std::to_string(read) + " bytes)");
    }
    cdx::TagHeader header;
    Status s = header.DecodeFrom(file_header_.data());
    if (!s.ok()) return s.IsNotSupported() ? s : Status::Corruption("not a CDX file (" + s.message() + ")");
    if ((header.options & cdx::kOptionCompound) == 0) {
      return Status::NotSupported("a single-index file, not a compound index (options " + Hex(header.options) + ")");
    }
    if (header.key_length != kTagNameLength) {
      return Status::Corruption("not a CDX file (tag directory key length " + std::to_string(header.key_length) + ")");
    }
    if (writable_ && !pager_.ReadFreeList(header.free_list).ok()) {
      // A free list we cannot follow costs only space: its pages stay unused.
      XBASE_RETURN_IF_ERROR(pager_.ReadFreeList(kNoPage));
    }
    directory_ = std::make_unique<cdx::Tree>(&pager_, header.root, kTagNameLength, ' ');
    cdx::TreePosition pos;
    XBASE_RETURN_IF_ERROR(directory_->First(&pos).WithContext("tag directory"));
    std::unordered_set<uint32_t> offsets;
    while (pos.valid()) {
      if (tags_.size() > pager_.file_end() / kHeaderSize) return Status::Corruption("tag directory loops");
      std::string name(pos.leaf->key(pos.index));
      name.erase(name.find_last_not_of(std::string_view(" \0", 2)) + 1);
      const uint32_t offset = pos.leaf->recnos[pos.index];
      if (offset % kPageSize != 0 || offset < kHeaderSize || offset + uint64_t{kHeaderSize} > pager_.file_end()) {
        return Status::Corruption("tag " + name + ": header offset " + Hex(offset) + " is outside the file");
      }
      if (!offsets.insert(offset).second) return Status::Corruption("tag " + name + " shares its header");
      XBASE_RETURN_IF_ERROR(LoadTag(name, offset).WithContext("tag " + name));
      XBASE_RETURN_IF_ERROR(directory_->Next(&pos).WithContext("tag directory"));
    }
    std::sort(tags_.begin(), tags_.end(), [](const auto& a, const auto& b) { return a->header_offset < b->header_offset; });
    return Status::OK();
  }

  const std::string& path() const override { return path_; }
  size_t tag_count() const override { return tags_.size(); }
  const TagDefinition& tag(size_t i) const override { return tags_[i]->definition; }

  int FindTag(std::string_view name) const override {
    for (size_t i = 0; i < tags_.size(); ++i) {
      if (EqualIgnoringCase(tags_[i]->definition.name, name)) return static_cast<int>(i);
    }
    return -1;
  }

  Status CreateTag(const TagDefinition& definition, const KeyBatch& keys, const ProgressFn& progress) override {
    TagImage image;
    XBASE_RETURN_IF_ERROR(TagImage::Encode(keys, definition.character_keys, &image));
    return CreateTag(definition, &image, progress);
  }

  Status CreateTag(const TagDefinition& definition, TagImage* image, const ProgressFn& progress) override {
    XBASE_RETURN_IF_ERROR(CheckWritable());
    auto tag = std::make_unique<Tag>();
    tag->definition = definition;
    XBASE_RETURN_IF_ERROR(ValidateDefinition(&tag->definition));
    const TagDefinition& d = tag->definition;
    if (image->key_length != d.key_length || image->character_keys != d.character_keys) {
      return Status::InvalidArgument("keys of " + std::to_string(image->key_length) + " bytes (" +
                                     (image->character_keys ? "character" : "binary") + ") for tag " + d.name +
                                     " of key length " + std::to_string(d.key_length));
    }
    cdx::TagHeader header;
    header.key_length = d.key_length;
    header.options = static_cast<uint8_t>(cdx::kOptionCompact | cdx::kOptionCompound |
                                          (d.unique ? cdx::kOptionUnique : 0) |
                                          (d.for_expression.empty() ? 0 : cdx::kOptionForClause));
    header.descending = d.descending;
    header.character_keys = d.character_keys;
    header.key_expression = d.key_expression;
    header.for_expression = d.for_expression;
    if (!header.FitsPool()) return Status::InvalidArgument("expressions of tag " + d.name + " are too long");
    if (FindTag(d.name) >= 0) XBASE_RETURN_IF_ERROR(DropTag(d.name));

    const char pad = PadFor(d.character_keys);
    XBASE_RETURN_IF_ERROR(cdx::WriteTagImage(&pager_, image, &header.root));
    if (progress) progress(100);
    // Headers always go at the end, so that their order is the order of creation.
    tag->header_offset = pager_.AllocateAtEnd(cdx::kHeaderPages);
    tag->header.assign(kHeaderSize, '\0');
    header.EncodeTo(tag->header.data());
    XBASE_RETURN_IF_ERROR(pager_.WriteRaw(tag->header_offset, tag->header));
    tag->tree = std::make_unique<cdx::Tree>(&pager_, header.root, d.key_length, pad);
    tags_.push_back(std::move(tag));
    XBASE_RETURN_IF_ERROR(RebuildDirectory());
    return Flush();
  }

  Status DropTag(std::string_view name) override {
    XBASE_RETURN_IF_ERROR(CheckWritable());
    const int i = FindTag(name);
    if (i < 0) return Status::NotFound("no tag " + std::string(name) + " in " + path_);
    Tag& tag = *tags_[i];
    // The pages of a damaged tree cannot all be found; they stay unused.
    Status freed = tag.tree->FreeAll();
    if (!freed.ok() && !freed.IsCorruption()) return freed;
    for (uint32_t page = 0; page < cdx::kHeaderPages; ++page) pager_.Free(tag.header_offset + page * kPageSize);
    tags_.erase(tags_.begin() + i);
    XBASE_RETURN_IF_ERROR(RebuildDirectory());
    return Flush();
  }

  Status Insert(size_t tag, std::string_view key, uint32_t recno) override {
    XBASE_RETURN_IF_ERROR(CheckTag(tag));
    return tags_[tag]->tree->Insert(key, recno);
  }

  Status InsertAll(std::span<const TagKey> keys, uint32_t recno) override {
    std::vector<cdx::DescentTarget>& targets = descent_targets_;
    targets.clear();
    for (const TagKey& k : keys) {
      XBASE_RETURN_IF_ERROR(CheckTag(k.tag));
      const cdx::Tree& tree = *tags_[k.tag]->tree;
      if (k.key.size() == tree.key_length()) targets.push_back({tree.root(), k.key, recno, tree.pad()});
    }
    cdx::PrefetchDescents(pager_, targets);
    for (const TagKey& k : keys) XBASE_RETURN_IF_ERROR(tags_[k.tag]->tree->Insert(k.key, recno));
    return Status::OK();
  }

  Status Delete(size_t tag, std::string_view key, uint32_t recno) override {
    XBASE_RETURN_IF_ERROR(CheckTag(tag));
    return tags_[tag]->tree->Delete(key, recno);
  }

  Status Flush() override {
    if (!writable_) return Status::OK();
    // Headers are rewritten only when the tree shapes or the free list
    // changed; plain key changes touch nothing but their pages.
    bool structure_changed = directory_changed_ ||
                             DecodeLE32(file_header_.data() + cdx::kRootField) != directory_->root() ||
                             DecodeLE32(file_header_.data() + cdx::kFreeListField) != pager_.free_list_head();
    for (auto& tag : tags_) {
      if (DecodeLE32(tag->header.data() + cdx::kRootField) == tag->tree->root()) continue;
      EncodeLE32(tag->header.data() + cdx::kRootField, tag->tree->root());
      XBASE_RETURN_IF_ERROR(pager_.WriteRaw(tag->header_offset, tag->header));
      structure_changed = true;
    }
    if (structure_changed) {
      // Other programs watch the version number to notice changes.
      EncodeLE32(file_header_.data() + cdx::kRootField, directory_->root());
      EncodeLE32(file_header_.data() + cdx::kFreeListField, pager_.free_list_head());
      EncodeLE32(file_header_.data() + cdx::kVersionField, DecodeLE32(file_header_.data() + cdx::kVersionField) + 1);
      XBASE_RETURN_IF_ERROR(pager_.WriteRaw(0, file_header_));
      directory_changed_ = false;
    }
    return pager_.Flush();
  }

  Status ReadStamp(SyncStamp* stamp) override {
    char bytes[cdx::kStampSize];
    size_t read = 0;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(cdx::kStampField, sizeof(bytes), bytes, &read));
    *stamp = SyncStamp();
    if (read != sizeof(bytes) || std::memcmp(bytes, cdx::kStampMagic, sizeof(cdx::kStampMagic)) != 0) {
      return Status::OK();  // never stamped: the table sees a stamp that matches nothing
    }
    stamp->record_count = DecodeLE32(bytes + 4);
    stamp->table_change_stamp = DecodeLE64(bytes + 8);
    stamp->writing = bytes[16] != 0;
    return Status::OK();
  }

  Status WriteStamp(const SyncStamp& stamp) override {
    XBASE_RETURN_IF_ERROR(CheckWritable());
    char* bytes = file_header_.data() + cdx::kStampField;
    std::memcpy(bytes, cdx::kStampMagic, sizeof(cdx::kStampMagic));
    EncodeLE32(bytes + 4, stamp.record_count);
    EncodeLE64(bytes + 8, stamp.table_change_stamp);
    bytes[16] = stamp.writing ? 1 : 0;
    return pager_.WriteNow(cdx::kStampField, std::string_view(bytes, cdx::kStampSize));
  }

  Status CheckStructure() override {
    std::unordered_set<uint32_t> pages = {0, kPageSize};
    uint64_t entries = 0;
    XBASE_RETURN_IF_ERROR(directory_->Check(&pages, &entries).WithContext("tag directory"));
    if (entries != tags_.size()) {
      return Status::Corruption("tag directory lists " + std::to_string(entries) + " tags for " +
                                std::to_string(tags_.size()) + " headers");
    }
    for (const auto& tag : tags_) {
      const std::string context = "tag " + tag->definition.name;
      for (uint32_t page = 0; page < cdx::kHeaderPages; ++page) {
        if (!pages.insert(tag->header_offset + page * kPageSize).second) {
          return Status::Corruption(context + ": header overlaps another page");
        }
      }
      entries = 0;
      XBASE_RETURN_IF_ERROR(tag->tree->Check(&pages, &entries).WithContext(context));
    }
    for (uint32_t page : pager_.free_pages()) {
      if (pages.count(page)) return Status::Corruption("free page " + Hex(page) + " is in use");
    }
    return Status::OK();
  }

  std::unique_ptr<TagCursor> NewCursor(size_t tag) override {
    return cdx::NewTreeCursor(tags_[tag]->tree.get(), tags_[tag]->definition.descending);
  }

 private:
  Status CheckWritable() const {
    return writable_ ? Status::OK() : Status::InvalidArgument(path_ + " is open read-only");
  }

  Status CheckTag(size_t tag) const {
    XBASE_RETURN_IF_ERROR(CheckWritable());
    if (tag >= tags_.size()) return Status::InvalidArgument("no tag number " + std::to_string(tag) + " in " + path_);
    return Status::OK();
  }

  Status LoadTag(const std::string& name, uint32_t offset) {
    auto tag = std::make_unique<Tag>();
    tag->header_offset = offset;
    tag->header.assign(kHeaderSize, '\0');
    size_t read = 0;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(offset, kHeaderSize, tag->header.data(), &read));
    if (read != kHeaderSize) return Status::Corruption("header is past the end of the file");
    cdx::TagHeader header;
    XBASE_RETURN_IF_ERROR(header.DecodeFrom(tag->header.data()));
    TagDefinition& d = tag->definition;
    d.name = name;
    d.key_expression = header.key_expression;
    d.for_expression = header.for_expression;
    d.key_length = header.key_length;
    d.character_keys = header.character_keys;
    d.descending = header.descending;
    d.unique = (header.options & cdx::kOptionUnique) != 0;
    tag->tree = std::make_unique<cdx::Tree>(&pager_, header.root, d.key_length, PadFor(d.character_keys));
    tags_.push_back(std::move(tag));
    return Status::OK();
  }

  // Replaces the tag directory with one listing the current tags.
  Status RebuildDirectory() {
    if (directory_) {
      Status freed = directory_->FreeAll();  // a damaged directory's pages stay unused
      if (!freed.ok() && !freed.IsCorruption()) return freed;
    }
    KeyBatch names(kTagNameLength, tags_.size());
    for (const auto& tag : tags_) {
      char* key = names.Append(tag->header_offset);
      std::memset(key, ' ', kTagNameLength);
      std::memcpy(key, tag->definition.name.data(), tag->definition.name.size());
    }
    names.Sort();
    TagImage image;
    XBASE_RETURN_IF_ERROR(TagImage::Encode(names, true, &image));
    uint32_t root = kNoPage;
    XBASE_RETURN_IF_ERROR(cdx::WriteTagImage(&pager_, &image, &root));
    directory_ = std::make_unique<cdx::Tree>(&pager_, root, kTagNameLength, ' ');
    directory_changed_ = true;
    return Status::OK();
  }

  std::string path_;
  std::unique_ptr<File> file_;
  bool writable_;
  cdx::Pager pager_;
  std::string file_header_;  // the 1024 bytes of the file header as on disk
  std::unique_ptr<cdx::Tree> directory_;
  bool directory_changed_ = false;
  std::vector<std::unique_ptr<Tag>> tags_;  // in header order, which is creation order
  std::vector<cdx::DescentTarget> descent_targets_;  // InsertAll's, kept to spare allocations
};

}  // namespace

Status CompoundIndex::Create(Env* env, const std::string& path, LockMode lock,
                             std::unique_ptr<CompoundIndex>* result) {
  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->CreateFile(path, lock, &file));
  auto index = std::make_unique<CdxIndex>(path, std::move(file), true, 0);
  XBASE_RETURN_IF_ERROR(index->Initialize().WithContext(path));
  *result = std::move(index);
  return Status::OK();
}

Status CompoundIndex::Open(Env* env, const std::string& path, bool writable, LockMode lock,
                           std::unique_ptr<CompoundIndex>* result) {
  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->OpenFile(path, writable, lock, &file));
  uint64_t size = 0;
  XBASE_RETURN_IF_ERROR(file->Size(&size));
  if (size > 0xFFFFFFFFull) return Status::NotSupported(path + ": index file larger than 4 GiB");
  auto index = std::make_unique<CdxIndex>(path, std::move(file), writable, size);
  XBASE_RETURN_IF_ERROR(index->Load().WithContext(path));
  *result = std::move(index);
  return Status::OK();
}

}  // namespace xbase
