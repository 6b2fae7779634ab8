// Bulk building of CDX tag trees: encoding sorted keys straight into pages,
// and placing the finished image in an index file.
#include "cdx_builder.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "coding.h"

namespace xbase::cdx {
namespace {

// Leaves and interior nodes are filled to about 90 %, leaving room for inserts.
constexpr size_t kLeafFill = kLeafSpace - kLeafSpace / 10;
// Leaf entries are stored as whole 8-byte words; the last word's spare bytes
// (zeros) must land in the free space, never on key data or past the page.
static_assert(kLeafHeaderSize + kLeafFill + sizeof(uint64_t) <= kPageSize);
// Every entry takes at least one byte.
constexpr size_t kMaxLeafEntries = kLeafFill;

size_t InteriorFill(uint16_t key_length) {
  const size_t capacity = InteriorCapacity(key_length);
  return std::max<size_t>(2, capacity - capacity / 10);
}

// Offset of page `page` of an image; relocation maps it to the file.
uint32_t ImageOffset(size_t page) { return static_cast<uint32_t>(page * kPageSize); }

void EncodeNodeHeader(bool leaf, size_t count, uint32_t left, uint32_t right, char* page) {
  EncodeLE16(page, leaf ? kAttributeLeaf : 0);
  EncodeLE16(page + 2, static_cast<uint16_t>(count));
  EncodeLE32(page + 4, left);
  EncodeLE32(page + 8, right);
}

// Writes the pages of one tag, level by level, into a TagImage.
class ImageEncoder {
 public:
  ImageEncoder(const KeyBatch& keys, char pad, TagImage* image)
      : keys_(keys), length_(keys.key_length()), pad_(pad), image_(image) {}

  Status Encode() {
    image_->pages.clear();
    // Room for a tree of keys compressed to half their length; others grow.
    image_->pages.reserve((keys_.size() * (length_ / 2 + 2) / kLeafFill + 2) * kPageSize);
    XBASE_RETURN_IF_ERROR(EncodeLeaves());
    while (items_.size() > 1) EncodeInteriorLevel();
    image_->root_page = items_.empty() ? 0 : items_[0].page;
    char* root = image_->pages.data() + size_t{image_->root_page} * kPageSize;
    EncodeLE16(root, static_cast<uint16_t>(DecodeLE16(root) | kAttributeRoot));
    return Status::OK();
  }

 private:
  // An entry waiting for its leaf to be written.
  struct Pending {
    const char* key;
    uint32_t recno;
    uint8_t duplicate;
    uint8_t trailing;
  };
  // The last entry of a node of the level below, and that node's page.
  struct Item {
    const char* key;
    uint32_t recno;
    uint32_t page;
  };

  char* AppendPage(uint32_t* number) {
    *number = static_cast<uint32_t>(image_->pages.size() / kPageSize);
    image_->pages.resize(image_->pages.size() + kPageSize);
    char* page = image_->pages.data() + image_->pages.size() - kPageSize;
    std::memset(page, 0, kPageSize);  // unused bytes must be zero
    return page;
  }

  // Whether entry (key, recno) comes after the previous one, given that they
  // share `common` of the key's first `limit` bytes (the rest of the key is padding).
  bool FollowsPrevious(const char* key, uint32_t recno, size_t common, size_t limit) const {
    if (common < limit) return static_cast<uint8_t>(previous_[common]) < static_cast<uint8_t>(key[common]);
    if (previous_trailing_ >= length_ - limit) return previous_recno_ < recno;  // equal keys
    return std::memcmp(previous_ + limit, key + limit, length_ - limit) < 0;
  }

  Status EncodeLeaves() {
    const size_t count = keys_.size();
    size_t key_bytes = 0;
    uint32_t max_recno = 0;
    size_t entry_bytes = ChooseLayout(0, length_).entry_bytes;
    for (size_t i = 0; i < count; ++i) {
      if (i + kPrefetchDistance < count) keys_.Prefetch(i + kPrefetchDistance);
      const char* key = keys_.key(i).data();
      const uint32_t recno = keys_.recno(i);
      const size_t trailing = TrailingPad(key, length_, pad_);
      const size_t limit = length_ - trailing;
      size_t common = 0;
      if (i > 0) {
        common = CommonPrefix(previous_, key, limit);
        if (!FollowsPrevious(key, recno, common, limit)) {
          return Status::InvalidArgument("keys for the tag are not sorted, or repeat an entry, at " + std::to_string(i));
        }
      }
      size_t duplicate = pending_count_ > 0 ? common : 0;
      size_t wider = recno > max_recno ? ChooseLayout(recno, length_).entry_bytes : entry_bytes;
      if (pending_count_ > 0 && (pending_count_ + 1) * wider + key_bytes + (limit - duplicate) > kLeafFill) {
        WriteLeaf(max_recno);
        key_bytes = 0;
        max_recno = 0;
        duplicate = 0;
        wider = ChooseLayout(recno, length_).entry_bytes;
      }
      pending_[pending_count_++] = {key, recno, static_cast<uint8_t>(duplicate), static_cast<uint8_t>(trailing)};
      key_bytes += limit - duplicate;
      max_recno = std::max(max_recno, recno);
      entry_bytes = wider;
      previous_ = key;
      previous_recno_ = recno;
      previous_trailing_ = trailing;
    }
    if (pending_count_ > 0 || count == 0) WriteLeaf(max_recno);
    // The last leaf has no right sibling.
    EncodeLE32(image_->pages.data() + image_->pages.size() - kPageSize + 8, kNoPage);
    return Status::OK();
  }

  void WriteLeaf(uint32_t max_recno) {
    uint32_t number;
    char* page = AppendPage(&number);
    EncodeNodeHeader(true, pending_count_, number > 0 ? ImageOffset(number - 1) : kNoPage, ImageOffset(number + 1),
                     page);
    const LeafLayout layout = ChooseLayout(max_recno, length_);
    char* entry = page + kLeafHeaderSize;
    char* key_end = page + kPageSize;
    for (size_t i = 0; i < pending_count_; ++i) {
      const Pending& p = pending_[i];
      EncodeLE64(entry, layout.Entry(p.recno, p.duplicate, p.trailing));
      entry += layout.entry_bytes;
      const size_t stored = length_ - p.duplicate - p.trailing;
      key_end -= stored;
      std::memcpy(key_end, p.key + p.duplicate, stored);
    }
    EncodeLeafHeader(layout, static_cast<size_t>(key_end - entry), page);
    if (pending_count_ > 0) items_.push_back({pending_[pending_count_ - 1].key, pending_[pending_count_ - 1].recno, number});
    pending_count_ = 0;
  }

  void EncodeInteriorLevel() {
    const size_t fill = InteriorFill(length_);
    const size_t nodes = (items_.size() + fill - 1) / fill;
    std::vector<Item> parents;
    parents.reserve(nodes);
    for (size_t j = 0; j < nodes; ++j) {
      const size_t begin = j * fill;
      const size_t end = std::min(begin + fill, items_.size());
      uint32_t number;
      char* page = AppendPage(&number);
      EncodeNodeHeader(false, end - begin, j > 0 ? ImageOffset(number - 1) : kNoPage,
                       j + 1 < nodes ? ImageOffset(number + 1) : kNoPage, page);
      char* p = page + kNodeHeaderSize;
      for (size_t i = begin; i < end; ++i) {
        std::memcpy(p, items_[i].key, length_);
        EncodeBE32(p + length_, items_[i].recno);
        EncodeBE32(p + length_ + 4, ImageOffset(items_[i].page));
        p += length_ + 8;
      }
      parents.push_back({items_[end - 1].key, items_[end - 1].recno, number});
    }
    items_ = std::move(parents);
  }

  // Keys are read in sorted order, which is random order in memory.
  static constexpr size_t kPrefetchDistance = 32;

  const KeyBatch& keys_;
  const uint16_t length_;
  const char pad_;
  TagImage* image_;
  Pending pending_[kMaxLeafEntries];
  size_t pending_count_ = 0;
  const char* previous_ = nullptr;
  uint32_t previous_recno_ = 0;
  size_t previous_trailing_ = 0;
  std::vector<Item> items_;
};

// Returns the file offset of image offset `offset` (kNoPage stays kNoPage).
Status Relocate(const std::vector<uint32_t>& offsets, uint32_t* offset) {
  if (*offset == kNoPage) return Status::OK();
  const size_t page = *offset / kPageSize;
  if (*offset % kPageSize != 0 || page >= offsets.size()) {
    return Status::InvalidArgument("tag image refers to page offset " + Hex(*offset) + " outside the image");
  }
  *offset = offsets[page];
  return Status::OK();
}

Status RelocateField(const std::vector<uint32_t>& offsets, char* field, bool big_endian) {
  uint32_t offset = big_endian ? DecodeBE32(field) : DecodeLE32(field);
  XBASE_RETURN_IF_ERROR(Relocate(offsets, &offset));
  big_endian ? EncodeBE32(field, offset) : EncodeLE32(field, offset);
  return Status::OK();
}

}  // namespace

Status WriteTagImage(Pager* pager, TagImage* image, uint32_t* root) {
  const size_t count = image->page_count();
  if (count == 0 || image->root_page >= count) return Status::InvalidArgument("tag image without its root page");
  std::vector<uint32_t> offsets(count);
  if (count <= pager->free_pages().size()) {
    for (uint32_t& offset : offsets) offset = pager->AllocatePage();
  } else {
    const uint32_t base = pager->AllocateAtEnd(static_cast<uint32_t>(count));
    for (size_t i = 0; i < count; ++i) offsets[i] = base + ImageOffset(i);
  }
  const size_t entry_size = image->key_length + 8u;
  for (size_t i = 0; i < count; ++i) {
    char* page = image->pages.data() + i * kPageSize;
    XBASE_RETURN_IF_ERROR(RelocateField(offsets, page + 4, false));
    XBASE_RETURN_IF_ERROR(RelocateField(offsets, page + 8, false));
    if ((DecodeLE16(page) & kAttributeLeaf) != 0) continue;
    const size_t entries = std::min<size_t>(DecodeLE16(page + 2), InteriorCapacity(image->key_length));
    for (size_t e = 0; e < entries; ++e) {
      XBASE_RETURN_IF_ERROR(RelocateField(offsets, page + kNodeHeaderSize + e * entry_size + image->key_length + 4, true));
    }
  }
  // Pages that follow each other in the file go out in one write.
  for (size_t begin = 0; begin < count;) {
    size_t end = begin + 1;
    while (end < count && offsets[end] == offsets[end - 1] + kPageSize) ++end;
    XBASE_RETURN_IF_ERROR(pager->WriteUnreferenced(
        offsets[begin], std::string_view(image->pages.data() + begin * kPageSize, (end - begin) * kPageSize)));
    begin = end;
  }
  *root = offsets[image->root_page];
  return Status::OK();
}

}  // namespace xbase::cdx

namespace xbase {

size_t TagImage::page_count() const { return pages.size() / cdx::kPageSize; }

Status TagImage::Encode(const KeyBatch& keys, bool character_keys, TagImage* image) {
  image->key_length = keys.key_length();
  image->character_keys = character_keys;
  // The encoder's pending leaf is large; keep it off the caller's stack.
  auto encoder = std::make_unique<cdx::ImageEncoder>(keys, character_keys ? ' ' : '\0', image);
  return encoder->Encode();
}

}  // namespace xbase
