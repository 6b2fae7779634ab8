// The file layer: locks, companion-file lookup and the in-memory Env.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "xbase/env.h"

namespace xbase {
namespace {

class EnvTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (GetParam()) {
      mem_ = NewMemEnv();
      env_ = mem_.get();
      dir_ = "mem";
    } else {
      env_ = Env::Default();
      dir_ = (std::filesystem::temp_directory_path() /
              ("xbase_env_test_" + std::to_string(::getpid())))
                 .string();
      std::filesystem::create_directories(dir_);
    }
  }
  void TearDown() override {
    if (!GetParam()) std::filesystem::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  std::unique_ptr<Env> mem_;
  Env* env_ = nullptr;
  std::string dir_;
};

TEST_P(EnvTest, ExclusiveLockRefusesSecondOpener) {
  std::unique_ptr<File> a, b;
  ASSERT_TRUE(env_->CreateFile(Path("T.DBF"), LockMode::kExclusive, &a).ok());
  Status s = env_->OpenFile(Path("T.DBF"), true, LockMode::kExclusive, &b);
  EXPECT_TRUE(s.IsLocked()) << s.ToString();
  EXPECT_TRUE(env_->OpenFile(Path("T.DBF"), false, LockMode::kShared, &b).IsLocked());
  a.reset();
  EXPECT_TRUE(env_->OpenFile(Path("T.DBF"), true, LockMode::kExclusive, &b).ok());
}

TEST_P(EnvTest, SharedLocksCoexistButBlockExclusive) {
  std::unique_ptr<File> a, b, c;
  ASSERT_TRUE(env_->CreateFile(Path("S.DBF"), LockMode::kNone, &a).ok());
  a.reset();
  ASSERT_TRUE(env_->OpenFile(Path("S.DBF"), false, LockMode::kShared, &a).ok());
  ASSERT_TRUE(env_->OpenFile(Path("S.DBF"), false, LockMode::kShared, &b).ok());
  EXPECT_TRUE(env_->OpenFile(Path("S.DBF"), true, LockMode::kExclusive, &c).IsLocked());
}

TEST_P(EnvTest, ReadWriteViewAndStamp) {
  std::unique_ptr<File> f;
  ASSERT_TRUE(env_->CreateFile(Path("D"), LockMode::kNone, &f).ok());
  uint64_t before = 0, after = 0;
  ASSERT_TRUE(f->ChangeStamp(&before).ok());
  ASSERT_TRUE(f->WriteAt(4, "abc").ok());
  uint64_t size = 0;
  ASSERT_TRUE(f->Size(&size).ok());
  EXPECT_EQ(size, 7u);
  char buf[16];
  size_t got = 0;
  ASSERT_TRUE(f->ReadAt(3, sizeof buf, buf, &got).ok());
  EXPECT_EQ(std::string(buf, got), std::string("\0abc", 4));
  std::string_view view;
  ASSERT_TRUE(f->View(&view).ok());
  EXPECT_EQ(view.substr(4), "abc");
  ASSERT_TRUE(f->Truncate(5).ok());
  ASSERT_TRUE(f->View(&view).ok());
  EXPECT_EQ(view.size(), 5u);
  ASSERT_TRUE(f->ChangeStamp(&after).ok());
  if (GetParam()) {
    EXPECT_NE(before, after);  // disk mtimes may share a tick
  }
}

TEST_P(EnvTest, StoresThroughWritableViewAreTheFilesContents) {
  std::unique_ptr<File> f;
  ASSERT_TRUE(env_->CreateFile(Path("W"), LockMode::kNone, &f).ok());
  ASSERT_TRUE(f->WriteAt(0, "0123456789").ok());
  char* data = nullptr;
  uint64_t size = 0;
  Status offered = f->WritableView(&data, &size);
  if (offered.IsNotSupported()) GTEST_SKIP() << "no writable view on this file system: " << offered.ToString();
  ASSERT_TRUE(offered.ok()) << offered.ToString();
  ASSERT_EQ(size, 10u);
  std::memcpy(data + 2, "ab", 2);
  // Readers of the same file, through this handle or another, see the store.
  char buf[16];
  size_t got = 0;
  ASSERT_TRUE(f->ReadAt(0, sizeof buf, buf, &got).ok());
  EXPECT_EQ(std::string(buf, got), "01ab456789");
  ASSERT_TRUE(f->Sync().ok());
  std::unique_ptr<File> other;
  ASSERT_TRUE(env_->OpenFile(Path("W"), false, LockMode::kNone, &other).ok());
  ASSERT_TRUE(other->ReadAt(0, sizeof buf, buf, &got).ok());
  EXPECT_EQ(std::string(buf, got), "01ab456789");
  // A file open for reading only offers none; the file never grows through one.
  EXPECT_TRUE(other->WritableView(&data, &size).IsNotSupported());
  ASSERT_TRUE(f->WriteAt(10, "xyz").ok());
  ASSERT_TRUE(f->WritableView(&data, &size).ok());
  EXPECT_EQ(size, 13u);
  EXPECT_EQ(std::string(data + 8, 5), "89xyz");
}

TEST_P(EnvTest, CompanionFoundInAnyCase) {
  std::unique_ptr<File> f;
  ASSERT_TRUE(env_->CreateFile(Path("addr.dbf"), LockMode::kNone, &f).ok());
  ASSERT_TRUE(env_->CreateFile(Path("addr.Cdx"), LockMode::kNone, &f).ok());
  EXPECT_EQ(FindCompanionFile(env_, Path("addr.dbf"), ".CDX"), Path("addr.Cdx"));
  EXPECT_EQ(FindCompanionFile(env_, Path("addr.dbf"), ".FPT"), "");
  EXPECT_EQ(ReplaceExtension(Path("addr.dbf"), ".CDX"), Path("addr.CDX"));
  EXPECT_EQ(ReplaceExtension("dir.x/name", ".CDX"), "dir.x/name.CDX");
}

TEST_P(EnvTest, NewCompanionsTakeTheCaseOfTheTablesExtension) {
  EXPECT_EQ(CompanionFileName("dir.X/ours.dbf", ".CDX"), "dir.X/ours.cdx");
  EXPECT_EQ(CompanionFileName("OURS.DBF", ".cdx"), "OURS.CDX");
  EXPECT_EQ(CompanionFileName("Ours.Dbf", ".FPT"), "Ours.fpt");
  EXPECT_EQ(CompanionFileName("dir.x/OURS", ".fpt"), "dir.x/OURS.FPT");
  EXPECT_EQ(CompanionFilePath(env_, Path("ours.dbf"), ".FPT"), Path("ours.fpt"));
  std::unique_ptr<File> f;
  ASSERT_TRUE(env_->CreateFile(Path("ours.FPT"), LockMode::kNone, &f).ok());
  EXPECT_EQ(CompanionFilePath(env_, Path("ours.dbf"), ".FPT"), Path("ours.FPT"));
}

TEST_P(EnvTest, OfCompanionsDifferingInCaseTheOneInTheTablesCaseIsFound) {
  std::unique_ptr<File> f;
  for (const char* name : {"ours.CDX", "ours.cdx", "OURS.CDX", "OURS.cdx", "Mix.CDX", "Mix.Cdx"}) {
    ASSERT_TRUE(env_->CreateFile(Path(name), LockMode::kNone, &f).ok());
  }
  EXPECT_EQ(FindCompanionFile(env_, Path("ours.dbf"), ".CDX"), Path("ours.cdx"));
  EXPECT_EQ(FindCompanionFile(env_, Path("OURS.DBF"), ".cdx"), Path("OURS.CDX"));
  // Neither is the name a new one would get: the one in the case asked for.
  EXPECT_EQ(FindCompanionFile(env_, Path("Mix.Dbf"), ".CDX"), Path("Mix.CDX"));
}

TEST_P(EnvTest, MissingFileIsNotFound) {
  std::unique_ptr<File> f;
  EXPECT_TRUE(env_->OpenFile(Path("none"), false, LockMode::kNone, &f).IsNotFound());
  EXPECT_FALSE(env_->FileExists(Path("none")));
}

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, EnvTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Memory" : "Disk"; });

}  // namespace
}  // namespace xbase
