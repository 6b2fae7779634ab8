// Damaged CDX files: every fault is reported as a Status (Corruption or
// NotSupported), never a crash, hang or out-of-bounds access.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "cdx_format.h"
#include "cdx_index.h"
#include "coding.h"

namespace xbase {
namespace {

constexpr uint16_t kKeyLength = 20;
constexpr const char* kPath = "mem/DAMAGED.CDX";

class CdxCorruptionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_ = NewMemEnv();
    std::unique_ptr<CompoundIndex> index;
    ASSERT_TRUE(CompoundIndex::Create(env_.get(), kPath, LockMode::kNone, &index).ok());
    KeyBatch keys(kKeyLength, 3000);
    for (uint32_t r = 1; r <= 3000; ++r) {
      std::string key = "KEY" + std::to_string(r * 7 % 3001);
      key.resize(kKeyLength, ' ');
      std::memcpy(keys.Append(r), key.data(), kKeyLength);
    }
    keys.Sort();
    TagDefinition d;
    d.name = "T";
    d.key_length = kKeyLength;
    ASSERT_TRUE(index->CreateTag(d, keys, nullptr).ok());
    index.reset();
    std::unique_ptr<File> file;
    ASSERT_TRUE(env_->OpenFile(kPath, false, LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->View(&bytes_view_).ok());
    bytes_.assign(bytes_view_);
    // The tag's header is written last.
    tag_header_ = bytes_.size() - cdx::kHeaderSize;
    ASSERT_EQ(DecodeLE16(bytes_.data() + tag_header_ + cdx::kKeyLengthField), kKeyLength);
  }

  // Replaces the file with `bytes`.
  void Store(const std::string& bytes) {
    std::unique_ptr<File> file;
    ASSERT_TRUE(env_->CreateFile(kPath, LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->WriteAt(0, bytes).ok());
  }

  uint32_t Root() const { return DecodeLE32(bytes_.data() + tag_header_); }
  bool IsLeaf(uint32_t page) const { return (DecodeLE16(bytes_.data() + page) & cdx::kAttributeLeaf) != 0; }
  uint32_t FirstChild(uint32_t page) const { return DecodeBE32(bytes_.data() + page + 12 + kKeyLength + 4); }
  uint32_t LeftmostLeaf() const {
    uint32_t page = Root();
    while (!IsLeaf(page)) page = FirstChild(page);
    return page;
  }

  // Opens the stored file and uses it every way a reader can; returns the
  // first failure (OK when everything worked).
  Status UseAll() {
    std::unique_ptr<CompoundIndex> index;
    XBASE_RETURN_IF_ERROR(CompoundIndex::Open(env_.get(), kPath, true, LockMode::kNone, &index));
    Status check = index->CheckStructure();
    for (size_t t = 0; t < index->tag_count(); ++t) {
      auto cursor = index->NewCursor(t);
      XBASE_RETURN_IF_ERROR(cursor->First());
      for (int steps = 0; cursor->Valid(); ++steps) {
        if (steps > 100000) return Status::OK();  // a hang; the test sees OK and fails
        XBASE_RETURN_IF_ERROR(cursor->Next());
      }
      XBASE_RETURN_IF_ERROR(cursor->Last());
      for (int steps = 0; cursor->Valid(); ++steps) {
        if (steps > 100000) return Status::OK();
        XBASE_RETURN_IF_ERROR(cursor->Prev());
      }
      XBASE_RETURN_IF_ERROR(cursor->Seek("KEY15"));
      std::string key(index->tag(t).key_length, 'Z');
      XBASE_RETURN_IF_ERROR(index->Insert(t, key, 99999));
      XBASE_RETURN_IF_ERROR(index->Delete(t, key, 99999));
    }
    return check;
  }

  void ExpectFault(const std::string& bytes, bool not_supported = false) {
    Store(bytes);
    Status s = UseAll();
    if (not_supported) {
      EXPECT_TRUE(s.IsNotSupported()) << s.ToString();
    } else {
      EXPECT_TRUE(s.IsCorruption()) << s.ToString();
    }
  }

  std::unique_ptr<Env> env_;
  std::string_view bytes_view_;
  std::string bytes_;
  size_t tag_header_ = 0;
};

TEST_F(CdxCorruptionTest, IntactFileIsClean) {
  ASSERT_FALSE(IsLeaf(Root()));
  Store(bytes_);
  Status s = UseAll();
  EXPECT_TRUE(s.ok()) << s.ToString();
}

TEST_F(CdxCorruptionTest, TruncatedFiles) {
  ExpectFault(bytes_.substr(0, bytes_.size() / 2));
  ExpectFault(bytes_.substr(0, bytes_.size() - 1));
  ExpectFault(bytes_.substr(0, 700));
  ExpectFault("");
}

TEST_F(CdxCorruptionTest, PageOffsetsOutsideTheFile) {
  for (uint32_t root : {static_cast<uint32_t>(bytes_.size() + 512 * 8), 3u, 0u, 512u, cdx::kNoPage}) {
    std::string bad = bytes_;
    EncodeLE32(bad.data() + tag_header_, root);
    ExpectFault(bad);
  }
  std::string bad = bytes_;
  EncodeBE32(bad.data() + Root() + 12 + kKeyLength + 4, static_cast<uint32_t>(bytes_.size()));
  ExpectFault(bad);
  bad = bytes_;
  EncodeLE32(bad.data() + LeftmostLeaf() + 8, 0x7FFFFE00);
  ExpectFault(bad);
}

TEST_F(CdxCorruptionTest, LoopsInSiblingLinksAndChildPointers) {
  std::string bad = bytes_;
  EncodeLE32(bad.data() + LeftmostLeaf() + 8, LeftmostLeaf());  // right sibling is itself
  ExpectFault(bad);
  bad = bytes_;
  EncodeBE32(bad.data() + Root() + 12 + kKeyLength + 4, Root());  // first child is the root
  ExpectFault(bad);
  bad = bytes_;
  EncodeLE32(bad.data() + LeftmostLeaf() + 4, LeftmostLeaf());  // left sibling is itself
  ExpectFault(bad);
}

TEST_F(CdxCorruptionTest, CountsAndMasksThatDoNotFit) {
  const uint32_t leaf = LeftmostLeaf();
  std::string bad = bytes_;
  EncodeLE16(bad.data() + leaf + 2, 0xFFFF);  // key count
  ExpectFault(bad);
  bad = bytes_;
  EncodeLE16(bad.data() + Root() + 2, 200);  // interior key count
  ExpectFault(bad);
  bad = bytes_;
  bad[leaf + 23] = 0;  // bytes per entry
  ExpectFault(bad);
  bad = bytes_;
  bad[leaf + 20] = 40;  // record number bits
  ExpectFault(bad);
  bad = bytes_;
  EncodeLE16(bad.data() + leaf + 12, 480);  // free space
  ExpectFault(bad);
  bad = bytes_;
  EncodeLE16(bad.data() + leaf, 7);  // attribute
  ExpectFault(bad);
  bad = bytes_;
  EncodeLE16(bad.data() + tag_header_ + cdx::kKeyLengthField, 241);
  ExpectFault(bad);
}

TEST_F(CdxCorruptionTest, KeysOutOfOrderFailTheCheck) {
  std::string bad = bytes_;
  const uint32_t leaf = LeftmostLeaf();
  // The first key's stored bytes sit at the end of the leaf page.
  bad[leaf + cdx::kPageSize - 1] = '~';
  Store(bad);
  std::unique_ptr<CompoundIndex> index;
  ASSERT_TRUE(CompoundIndex::Open(env_.get(), kPath, false, LockMode::kNone, &index).ok());
  EXPECT_TRUE(index->CheckStructure().IsCorruption());
}

TEST_F(CdxCorruptionTest, OtherIndexKindsAreNotSupported) {
  std::string bad = bytes_;
  bad[cdx::kOptionsField] = 0x00;  // not compact
  ExpectFault(bad, true);
  bad[cdx::kOptionsField] = cdx::kOptionCompact;  // a single compact index
  ExpectFault(bad, true);
  bad = bytes_;
  bad[tag_header_ + cdx::kOptionsField] = 0x00;
  ExpectFault(bad, true);
}

TEST_F(CdxCorruptionTest, TagHeaderOutsideTheFile) {
  // The directory root is a single leaf; its entries carry the header offsets.
  const uint32_t directory = DecodeLE32(bytes_.data());
  ASSERT_TRUE(IsLeaf(directory));
  std::string bad = bytes_;
  EncodeLE32(bad.data() + directory + 24, 0xFFFFF);  // record number field of entry 0
  ExpectFault(bad);
}

TEST_F(CdxCorruptionTest, RandomDamageNeverCrashes) {
  std::mt19937 rng(3);
  for (int round = 0; round < 300; ++round) {
    std::string bad = bytes_;
    for (int n = 1 + rng() % 8; n > 0; --n) {
      size_t at = rng() % bad.size();
      bad[at] = static_cast<char>(rng());
    }
    Store(bad);
    Status s = UseAll();
    EXPECT_TRUE(s.ok() || s.IsCorruption() || s.IsNotSupported() || s.IsNotFound()) << s.ToString();
  }
}

}  // namespace
}  // namespace xbase
