// FoxPro memo files: layout, in-place rewrites, relocation and damage.
#include "memo_file.h"

#include <gtest/gtest.h>

#include "coding.h"

namespace xbase {
namespace {

class MemoFptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    env_ = NewMemEnv();
    ASSERT_TRUE(MemoFile::CreateFpt(env_.get(), "T.FPT", MemoFile::kDefaultFptBlockSize,
                                    LockMode::kNone, &memo_).ok());
  }

  std::string Bytes() {
    std::unique_ptr<File> file;
    EXPECT_TRUE(env_->OpenFile("T.FPT", false, LockMode::kNone, &file).ok());
    std::string_view view;
    EXPECT_TRUE(file->View(&view).ok());
    return std::string(view);
  }

  void Put(const std::string& bytes) {
    memo_.reset();
    std::unique_ptr<File> file;
    ASSERT_TRUE(env_->CreateFile("T.FPT", LockMode::kNone, &file).ok());
    ASSERT_TRUE(file->WriteAt(0, bytes).ok());
  }

  std::unique_ptr<MemoFile> Reopen(bool writable = true) {
    memo_.reset();
    std::unique_ptr<MemoFile> memo;
    Status s = MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, writable, LockMode::kNone, &memo);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return memo;
  }

  std::string ReadBack(MemoFile* memo, uint32_t block) {
    std::string data;
    Status s = memo->Read(block, &data);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return data;
  }

  std::unique_ptr<Env> env_;
  std::unique_ptr<MemoFile> memo_;
};

TEST_F(MemoFptTest, LayoutOfANewFileAndAMemo) {
  std::string bytes = Bytes();
  ASSERT_EQ(bytes.size(), 512u);
  EXPECT_EQ(DecodeBE32(bytes.data()), 8u);  // 512 / 64
  EXPECT_EQ(DecodeBE16(bytes.data() + 6), 64u);

  uint32_t block = 0;
  ASSERT_TRUE(memo_->Write("Hello, w\xF6rld", &block).ok());
  EXPECT_EQ(block, 8u);
  ASSERT_TRUE(memo_->Flush(true).ok());
  bytes = Bytes();
  ASSERT_EQ(bytes.size(), 512u + 64);
  EXPECT_EQ(DecodeBE32(bytes.data()), 9u);
  EXPECT_EQ(DecodeBE32(bytes.data() + 512), 1u);   // text
  EXPECT_EQ(DecodeBE32(bytes.data() + 516), 12u);  // length
  EXPECT_EQ(bytes.substr(520, 12), "Hello, w\xF6rld");
}

TEST_F(MemoFptTest, TextsRoundTripAcrossReopen) {
  std::vector<std::string> texts = {"a", std::string(56, 'x'), std::string(57, 'y'),
                                    std::string(100000, 'z'), std::string("\0\x1A\xFF", 3)};
  std::vector<uint32_t> blocks;
  for (const std::string& t : texts) {
    uint32_t block = 0;
    ASSERT_TRUE(memo_->Write(t, &block).ok());
    blocks.push_back(block);
  }
  // 1 + 1 + 2 + 1563 blocks: each memo takes whole blocks after the last.
  EXPECT_EQ(blocks, (std::vector<uint32_t>{8, 9, 10, 12, 1575}));
  ASSERT_TRUE(memo_->Flush(true).ok());
  auto memo = Reopen(false);
  for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(ReadBack(memo.get(), blocks[i]), texts[i]);
  EXPECT_EQ(ReadBack(memo.get(), 0), "");
  uint32_t block = 0;
  EXPECT_TRUE(memo->Write("x", &block).IsInvalidArgument());  // read-only
}

TEST_F(MemoFptTest, RewriteStaysInPlaceWhenItFitsAndMovesWhenNot) {
  uint32_t first = 0, second = 0;
  ASSERT_TRUE(memo_->Write(std::string(100, 'a'), &first).ok());  // 2 blocks
  ASSERT_TRUE(memo_->Write("neighbour", &second).ok());
  uint32_t block = first;
  ASSERT_TRUE(memo_->Write(std::string(120, 'b'), &block).ok());  // 128 bytes: still 2 blocks
  EXPECT_EQ(block, first);
  ASSERT_TRUE(memo_->Write("short", &block).ok());
  EXPECT_EQ(block, first);
  EXPECT_EQ(ReadBack(memo_.get(), block), "short");
  ASSERT_TRUE(memo_->Write(std::string(121, 'c'), &block).ok());  // needs 3 blocks
  EXPECT_EQ(block, second + 1);
  EXPECT_EQ(ReadBack(memo_.get(), block), std::string(121, 'c'));
  EXPECT_EQ(ReadBack(memo_.get(), second), "neighbour");
  // Emptying a memo clears the pointer.
  ASSERT_TRUE(memo_->Write("", &block).ok());
  EXPECT_EQ(block, 0u);
}

TEST_F(MemoFptTest, OtherBlockSizes) {
  for (uint32_t size : {1u, 33u, 512u, 1024u}) {
    std::unique_ptr<MemoFile> memo;
    ASSERT_TRUE(MemoFile::CreateFpt(env_.get(), "B.FPT", size, LockMode::kNone, &memo).ok());
    uint32_t a = 0, b = 0;
    ASSERT_TRUE(memo->Write("first", &a).ok());
    ASSERT_TRUE(memo->Write("second", &b).ok());
    EXPECT_EQ(uint64_t{a} * size, (512 + size - 1) / size * size) << size;
    EXPECT_EQ(ReadBack(memo.get(), a), "first");
    EXPECT_EQ(ReadBack(memo.get(), b), "second");
  }
  std::unique_ptr<MemoFile> memo;
  EXPECT_TRUE(MemoFile::CreateFpt(env_.get(), "B.FPT", 0, LockMode::kNone, &memo).IsInvalidArgument());
  EXPECT_TRUE(MemoFile::CreateFpt(env_.get(), "B.FPT", 65536, LockMode::kNone, &memo).IsInvalidArgument());
}

TEST_F(MemoFptTest, ALaggingHeaderDoesNotLetNewMemosOverwriteOldOnes) {
  uint32_t block = 0;
  ASSERT_TRUE(memo_->Write("committed", &block).ok());
  std::string bytes = Bytes();
  EncodeBE32(bytes.data(), 8);  // as if the header update never reached the disk
  Put(bytes);
  auto memo = Reopen();
  uint32_t next = 0;
  ASSERT_TRUE(memo->Write("new", &next).ok());
  EXPECT_EQ(next, 9u);
  EXPECT_EQ(ReadBack(memo.get(), 8), "committed");
}

TEST_F(MemoFptTest, MemosAddedByAnotherWriterAreReadable) {
  auto reader = Reopen(false);
  std::unique_ptr<MemoFile> writer;
  ASSERT_TRUE(MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, true, LockMode::kNone, &writer)
                  .ok());
  uint32_t block = 0;
  ASSERT_TRUE(writer->Write(std::string(2000, 'w'), &block).ok());
  EXPECT_EQ(ReadBack(reader.get(), block), std::string(2000, 'w'));
}

TEST_F(MemoFptTest, ClearEmptiesTheFile) {
  uint32_t block = 0;
  ASSERT_TRUE(memo_->Write(std::string(1000, 'q'), &block).ok());
  ASSERT_TRUE(memo_->Clear().ok());
  EXPECT_EQ(Bytes().size(), 512u);
  block = 0;
  ASSERT_TRUE(memo_->Write("again", &block).ok());
  EXPECT_EQ(block, 8u);
}

TEST_F(MemoFptTest, DamageIsCorruption) {
  uint32_t block = 0;
  ASSERT_TRUE(memo_->Write("abc", &block).ok());
  std::string data = "untouched";
  EXPECT_TRUE(memo_->Read(9, &data).IsCorruption());       // past the end
  EXPECT_TRUE(memo_->Read(1, &data).IsCorruption());       // inside the header
  EXPECT_TRUE(memo_->Read(0xFFFFFFFF, &data).IsCorruption());
  EXPECT_TRUE(data.empty());
  uint32_t at = 9;
  EXPECT_TRUE(memo_->Write("x", &at).IsCorruption());      // old pointer past the end
  EXPECT_EQ(at, 9u);

  std::string bytes = Bytes();
  EncodeBE32(bytes.data() + 516, 1000);  // length runs past the end
  Put(bytes);
  auto memo = Reopen();
  Status s = memo->Read(8, &data);
  EXPECT_TRUE(s.IsCorruption());
  EXPECT_EQ(s.message(),
            "T.FPT: memo block 8 says 1000 bytes, which run past the end of the file (the file "
            "has 576 bytes)");
  size_t size_before = Bytes().size();
  at = 8;
  EXPECT_TRUE(memo->Write("y", &at).IsCorruption());
  EXPECT_EQ(Bytes().size(), size_before);

  memo.reset();
  Put(std::string(100, '\0'));
  std::unique_ptr<MemoFile> bad;
  EXPECT_TRUE(MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, false, LockMode::kNone, &bad)
                  .IsCorruption());
  Put(std::string(512, '\0'));  // block size 0
  EXPECT_TRUE(MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, false, LockMode::kNone, &bad)
                  .IsCorruption());
}

TEST_F(MemoFptTest, SecondExclusiveOpenIsLocked) {
  memo_.reset();
  std::unique_ptr<MemoFile> a, b;
  ASSERT_TRUE(MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, true, LockMode::kExclusive, &a).ok());
  EXPECT_TRUE(MemoFile::Open(env_.get(), "T.FPT", MemoFormat::kFpt, true, LockMode::kExclusive, &b)
                  .IsLocked());
}

}  // namespace
}  // namespace xbase
