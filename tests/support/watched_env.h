// An Env for tests that watch or disturb file access: its files refuse
// writes while `fail_writes` is set and reads while `fail_reads` is set, and
// count the syncs asked of them. It works over memory, or over another Env
// (the real file system, for tests of code that also looks at files
// directly).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "xbase/env.h"

namespace xbase {

class WatchedEnv final : public Env {
 public:
  // Over a fresh in-memory file system.
  WatchedEnv() : owned_(NewMemEnv()), base_(owned_.get()) {}
  // Over `base`, which must outlive this Env.
  explicit WatchedEnv(Env* base) : base_(base) {}

  bool fail_writes = false;
  bool fail_reads = false;
  // Syncs asked of each file, by path.
  std::map<std::string, int> syncs;

  Status OpenFile(const std::string& path, bool writable, LockMode lock, std::unique_ptr<File>* result) override {
    XBASE_RETURN_IF_ERROR(base_->OpenFile(path, writable, lock, result));
    *result = std::make_unique<WatchedFile>(std::move(*result), this, path);
    return Status::OK();
  }
  Status CreateFile(const std::string& path, LockMode lock, std::unique_ptr<File>* result) override {
    XBASE_RETURN_IF_ERROR(base_->CreateFile(path, lock, result));
    *result = std::make_unique<WatchedFile>(std::move(*result), this, path);
    return Status::OK();
  }
  bool FileExists(const std::string& path) override { return base_->FileExists(path); }
  Status RemoveFile(const std::string& path) override { return base_->RemoveFile(path); }
  Status RenameFile(const std::string& from, const std::string& to) override { return base_->RenameFile(from, to); }
  Status ListDirectory(const std::string& dir, std::vector<std::string>* names) override {
    return base_->ListDirectory(dir, names);
  }

 private:
  class WatchedFile final : public File {
   public:
    WatchedFile(std::unique_ptr<File> base, WatchedEnv* env, std::string path)
        : base_(std::move(base)), env_(env), path_(std::move(path)) {}
    Status ReadAt(uint64_t offset, size_t n, char* buf, size_t* read) override {
      return env_->fail_reads ? ReadError() : base_->ReadAt(offset, n, buf, read);
    }
    Status WriteAt(uint64_t offset, std::string_view data) override {
      return env_->fail_writes ? Status::IOError("disk full") : base_->WriteAt(offset, data);
    }
    Status Size(uint64_t* size) override { return base_->Size(size); }
    Status Truncate(uint64_t size) override { return base_->Truncate(size); }
    Status Sync() override {
      ++env_->syncs[path_];
      return base_->Sync();
    }
    // Views are reads too: a scan through one fails as ReadAt does.
    Status View(std::string_view* view) override { return env_->fail_reads ? ReadError() : base_->View(view); }
    Status ChangeStamp(uint64_t* stamp) override { return base_->ChangeStamp(stamp); }

   private:
    Status ReadError() const { return Status::IOError(path_ + ": input/output error"); }

    std::unique_ptr<File> base_;
    WatchedEnv* env_;
    std::string path_;
  };

  std::unique_ptr<Env> owned_;
  Env* base_;
};

}  // namespace xbase
