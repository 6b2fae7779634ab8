// dBASE memo files: both layouts read, damage reported, writes refused.
#include <gtest/gtest.h>

#include "coding.h"
#include "memo_file.h"

namespace xbase {
namespace {

class MemoDbtTest : public ::testing::Test {
 protected:
  void SetUp() override { env_ = NewMemEnv(); }

  std::unique_ptr<MemoFile> OpenBytes(const std::string& bytes, MemoFormat format) {
    std::unique_ptr<File> file;
    EXPECT_TRUE(env_->CreateFile("T.DBT", LockMode::kNone, &file).ok());
    EXPECT_TRUE(file->WriteAt(0, bytes).ok());
    std::unique_ptr<MemoFile> memo;
    Status s = MemoFile::Open(env_.get(), "T.DBT", format, false, LockMode::kNone, &memo);
    EXPECT_TRUE(s.ok()) << s.ToString();
    return memo;
  }

  std::unique_ptr<Env> env_;
};

TEST_F(MemoDbtTest, DBase3MemosEndAtTheMark) {
  std::string bytes(512, '\0');
  bytes += "short\x1A\x1A";
  bytes.resize(1024, '\0');
  bytes += std::string(700, 'L') + "\x1A\x1A";  // spans two blocks
  bytes.resize(2048, '\0');
  bytes += "no end mark";
  auto memo = OpenBytes(bytes, MemoFormat::kDbt3);
  std::string text;
  ASSERT_TRUE(memo->Read(1, &text).ok());
  EXPECT_EQ(text, "short");
  ASSERT_TRUE(memo->Read(2, &text).ok());
  EXPECT_EQ(text, std::string(700, 'L'));
  EXPECT_TRUE(memo->Read(4, &text).IsCorruption());
  EXPECT_TRUE(memo->Read(5, &text).IsCorruption());
  EXPECT_TRUE(memo->Read(0xFFFFFFFF, &text).IsCorruption());
  EXPECT_TRUE(text.empty());
  uint32_t block = 0;
  EXPECT_TRUE(memo->Write("x", &block).IsNotSupported());
  EXPECT_TRUE(memo->Clear().IsNotSupported());
}

TEST_F(MemoDbtTest, DBase4MemosCarryTheirLength) {
  std::string bytes(512, '\0');
  EncodeLE16(bytes.data() + 20, 512);
  std::string body = std::string("with \x1A inside", 13);
  bytes += std::string("\xFF\xFF\x08\x00", 4) + std::string(4, '\0') + body;
  EncodeLE32(bytes.data() + 516, static_cast<uint32_t>(8 + body.size()));
  bytes.resize(1024, '\0');
  bytes += "plain text";
  bytes.resize(1536, '\0');
  bytes += std::string("\xFF\xFF\x08\x00\xFF\xFF\x00\x00", 8);  // length past the end
  bytes.resize(2048, '\0');
  bytes += std::string("\xFF\xFF\x08\x00\x04\x00\x00\x00", 8);  // length below the header
  auto memo = OpenBytes(bytes, MemoFormat::kDbt4);
  EXPECT_EQ(memo->block_size(), 512u);
  std::string text;
  ASSERT_TRUE(memo->Read(1, &text).ok());
  EXPECT_EQ(text, body);
  EXPECT_TRUE(memo->Read(2, &text).IsCorruption());
  EXPECT_TRUE(memo->Read(3, &text).IsCorruption());
  EXPECT_TRUE(memo->Read(4, &text).IsCorruption());
  EXPECT_TRUE(memo->Read(5, &text).IsCorruption());
}

TEST_F(MemoDbtTest, ShortFilesAreNotMemoFiles) {
  std::unique_ptr<File> file;
  ASSERT_TRUE(env_->CreateFile("T.DBT", LockMode::kNone, &file).ok());
  ASSERT_TRUE(file->WriteAt(0, "tiny").ok());
  std::unique_ptr<MemoFile> memo;
  EXPECT_TRUE(MemoFile::Open(env_.get(), "T.DBT", MemoFormat::kDbt3, false, LockMode::kNone, &memo)
                  .IsCorruption());
}

}  // namespace
}  // namespace xbase
