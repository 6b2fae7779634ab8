// Design files are replaced only by complete successors.
#include "design/stream/design_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "sample_objects.h"

namespace vellumo::design {
namespace {

using namespace std::string_literals;
using testing::FixedText;
using testing::Special1Bytes;

// Passes everything to an inner file system, except that writes stop after
// `byte_budget` bytes (the rest of a write fails, as on a full disk) and
// renames can be made to fail.
class FailingEnv : public xbase::Env {
 public:
  explicit FailingEnv(xbase::Env* inner) : inner_(inner) {}

  size_t byte_budget = SIZE_MAX;
  bool fail_rename = false;

  xbase::Status OpenFile(const std::string& path, bool writable, xbase::LockMode lock,
                         std::unique_ptr<xbase::File>* result) override {
    return inner_->OpenFile(path, writable, lock, result);
  }
  xbase::Status CreateFile(const std::string& path, xbase::LockMode lock,
                           std::unique_ptr<xbase::File>* result) override {
    std::unique_ptr<xbase::File> file;
    XBASE_RETURN_IF_ERROR(inner_->CreateFile(path, lock, &file));
    *result = std::make_unique<FullDiskFile>(std::move(file), this);
    return xbase::Status::OK();
  }
  bool FileExists(const std::string& path) override { return inner_->FileExists(path); }
  xbase::Status RemoveFile(const std::string& path) override { return inner_->RemoveFile(path); }
  xbase::Status RenameFile(const std::string& from, const std::string& to) override {
    if (fail_rename) return xbase::Status::IOError(from + ": rename refused");
    return inner_->RenameFile(from, to);
  }
  xbase::Status ListDirectory(const std::string& dir, std::vector<std::string>* names) override {
    return inner_->ListDirectory(dir, names);
  }

 private:
  class FullDiskFile : public xbase::File {
   public:
    FullDiskFile(std::unique_ptr<xbase::File> inner, FailingEnv* env) : inner_(std::move(inner)), env_(env) {}
    xbase::Status ReadAt(uint64_t offset, size_t n, char* buf, size_t* read) override {
      return inner_->ReadAt(offset, n, buf, read);
    }
    xbase::Status WriteAt(uint64_t offset, std::string_view data) override {
      const size_t allowed = std::min(data.size(), env_->byte_budget);
      env_->byte_budget -= allowed;
      XBASE_RETURN_IF_ERROR(inner_->WriteAt(offset, data.substr(0, allowed)));
      if (allowed < data.size()) return xbase::Status::IOError("No space left on device");
      return xbase::Status::OK();
    }
    xbase::Status Size(uint64_t* size) override { return inner_->Size(size); }
    xbase::Status Truncate(uint64_t size) override { return inner_->Truncate(size); }
    xbase::Status Sync() override { return inner_->Sync(); }
    xbase::Status View(std::string_view* view) override { return inner_->View(view); }
    xbase::Status ChangeStamp(uint64_t* stamp) override { return inner_->ChangeStamp(stamp); }

   private:
    std::unique_ptr<xbase::File> inner_;
    FailingEnv* env_;
  };

  xbase::Env* inner_;
};

class DesignFileTest : public ::testing::Test {
 protected:
  std::unique_ptr<xbase::Env> memory_ = xbase::NewMemEnv();
  FailingEnv env_{memory_.get()};
  const std::vector<StoredObject> first_ = {FixedText("Special1", 10, 20, 142, 33, "Hi")};
  const std::vector<StoredObject> second_ = {FixedText("Special1", 1, 2, 3, 4, std::string(5000, 'z')),
                                             FixedText("Special2", 5, 6, 7, 8, "Second")};
};

TEST_F(DesignFileTest, WritesAndReadsADesign) {
  ASSERT_TRUE(WriteDesignFile(&env_, "BIN00001.L", first_).ok());
  Result<std::string> bytes = ReadWholeFile(&env_, "BIN00001.L");
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(*bytes, Special1Bytes());
  DesignReadResult read = ReadDesignFile(&env_, "BIN00001.L");
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_EQ(read.objects, first_);
  EXPECT_FALSE(env_.FileExists("BIN00001.L.new"));
}

TEST_F(DesignFileTest, MissingFileIsNotFoundAndEmpty) {
  DesignReadResult read = ReadDesignFile(&env_, "BIN00009.L");
  EXPECT_TRUE(read.status.IsNotFound());
  EXPECT_TRUE(read.objects.empty());
  EXPECT_TRUE(ReadReportFile(&env_, "BIN00009.R").status.IsNotFound());
}

TEST_F(DesignFileTest, WriteFailingHalfWayKeepsTheEarlierDesign) {
  ASSERT_TRUE(WriteDesignFile(&env_, "Clipbrd.tmp", first_).ok());
  env_.byte_budget = 100;
  Status s = WriteDesignFile(&env_, "Clipbrd.tmp", second_);
  EXPECT_TRUE(s.IsIOError()) << s.ToString();
  EXPECT_NE(s.message().find("No space left"), std::string::npos);
  env_.byte_budget = SIZE_MAX;
  DesignReadResult read = ReadDesignFile(&env_, "Clipbrd.tmp");
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_EQ(read.objects, first_);
  EXPECT_FALSE(env_.FileExists("Clipbrd.tmp.new"));
}

TEST_F(DesignFileTest, FailedRenameKeepsTheEarlierDesign) {
  ASSERT_TRUE(WriteDesignFile(&env_, "BIN00001.L", first_).ok());
  env_.fail_rename = true;
  EXPECT_FALSE(WriteDesignFile(&env_, "BIN00001.L", second_).ok());
  EXPECT_EQ(ReadDesignFile(&env_, "BIN00001.L").objects, first_);
  EXPECT_FALSE(env_.FileExists("BIN00001.L.new"));
}

TEST_F(DesignFileTest, UnwritableDesignLeavesNoFile) {
  const std::vector<StoredObject> nameless = {{"", "Special1", {}}};
  Status s = WriteDesignFile(&env_, "BIN00002.L", nameless);
  EXPECT_TRUE(s.IsInvalidArgument());
  EXPECT_NE(s.message().find("BIN00002.L: object 1"), std::string::npos) << s.message();
  EXPECT_FALSE(env_.FileExists("BIN00002.L"));
  EXPECT_FALSE(env_.FileExists("BIN00002.L.new"));
}

TEST_F(DesignFileTest, DamagedFileNamesFileAndObject) {
  std::string damaged = Special1Bytes();
  damaged[4] = '1';  // "TPF1"
  std::unique_ptr<xbase::File> file;
  ASSERT_TRUE(env_.CreateFile("BIN00003.L", xbase::LockMode::kNone, &file).ok());
  ASSERT_TRUE(file->WriteAt(0, damaged).ok());
  file.reset();
  DesignReadResult read = ReadDesignFile(&env_, "BIN00003.L");
  EXPECT_NE(read.status.message().find("BIN00003.L: object 1: bad object signature"), std::string::npos) << read.status.message();
}

TEST_F(DesignFileTest, ReportFileRoundTrip) {
  ReportDesign report;
  report.detail = first_;
  report.settings = {Value::Integer(48), Value::Boolean(false)};
  ASSERT_TRUE(WriteReportFile(&env_, "BIN00001.R", report).ok());
  ReportReadResult read = ReadReportFile(&env_, "BIN00001.R");
  ASSERT_TRUE(read.status.ok()) << read.status.ToString();
  EXPECT_EQ(read.report, report);
}

TEST(DesignFileOnDiskTest, ReplacesTheFileOnTheRealFileSystem) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                    ("design_file_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "BIN00001.L").string();
  xbase::Env* env = xbase::Env::Default();
  ASSERT_TRUE(WriteDesignFile(env, path, {}).ok());
  const std::vector<StoredObject> objects = {FixedText("Special1", 10, 20, 142, 33, "Hi")};
  ASSERT_TRUE(WriteDesignFile(env, path, objects).ok());
  EXPECT_EQ(*ReadWholeFile(env, path), Special1Bytes());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace vellumo::design
