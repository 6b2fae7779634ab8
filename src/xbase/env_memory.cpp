// An Env whose files live in memory, with the same lock rules as disk files.
#include <map>
#include <mutex>

#include "xbase/env.h"

namespace xbase {
namespace {

struct MemFileData {
  std::string bytes;
  uint64_t stamp = 0;
  int shared_holders = 0;
  bool exclusive_holder = false;
};

class MemFile final : public File {
 public:
  MemFile(std::shared_ptr<MemFileData> data, bool writable, LockMode lock)
      : data_(std::move(data)), writable_(writable), lock_(lock) {}
  ~MemFile() override {
    if (lock_ == LockMode::kShared) --data_->shared_holders;
    if (lock_ == LockMode::kExclusive) data_->exclusive_holder = false;
  }

  Status ReadAt(uint64_t offset, size_t n, char* buf, size_t* read) override {
    const std::string& b = data_->bytes;
    *read = 0;
    if (offset >= b.size()) return Status::OK();
    *read = std::min<uint64_t>(n, b.size() - offset);
    b.copy(buf, *read, offset);
    return Status::OK();
  }

  Status WriteAt(uint64_t offset, std::string_view data) override {
    if (!writable_) return Status::IOError("file is open read-only");
    std::string& b = data_->bytes;
    if (b.size() < offset + data.size()) b.resize(offset + data.size(), '\0');
    b.replace(offset, data.size(), data);
    ++data_->stamp;
    return Status::OK();
  }

  Status Size(uint64_t* size) override {
    *size = data_->bytes.size();
    return Status::OK();
  }

  Status Truncate(uint64_t size) override {
    if (!writable_) return Status::IOError("file is open read-only");
    data_->bytes.resize(size, '\0');
    ++data_->stamp;
    return Status::OK();
  }

  Status Sync() override { return Status::OK(); }

  Status View(std::string_view* view) override {
    *view = data_->bytes;
    return Status::OK();
  }

  Status WritableView(char** data, uint64_t* size) override {
    if (!writable_) return Status::NotSupported("file is open read-only");
    ++data_->stamp;  // whatever is stored through the view is a change
    *data = data_->bytes.data();
    *size = data_->bytes.size();
    return Status::OK();
  }

  Status ChangeStamp(uint64_t* stamp) override {
    *stamp = data_->stamp;
    return Status::OK();
  }

 private:
  std::shared_ptr<MemFileData> data_;
  bool writable_;
  LockMode lock_;
};

class MemEnv final : public Env {
 public:
  Status OpenFile(const std::string& path, bool writable, LockMode lock,
                  std::unique_ptr<File>* result) override {
    std::lock_guard<std::mutex> guard(mutex_);
    auto it = files_.find(path);
    if (it == files_.end()) return Status::NotFound(path + ": No such file or directory");
    return Attach(path, it->second, writable, lock, result);
  }

  Status CreateFile(const std::string& path, LockMode lock,
                    std::unique_ptr<File>* result) override {
    std::lock_guard<std::mutex> guard(mutex_);
    auto& data = files_[path];
    if (!data) data = std::make_shared<MemFileData>();
    XBASE_RETURN_IF_ERROR(Attach(path, data, true, lock, result));
    data->bytes.clear();
    ++data->stamp;
    return Status::OK();
  }

  bool FileExists(const std::string& path) override {
    std::lock_guard<std::mutex> guard(mutex_);
    return files_.count(path) != 0;
  }

  Status RemoveFile(const std::string& path) override {
    std::lock_guard<std::mutex> guard(mutex_);
    if (files_.erase(path) == 0) return Status::NotFound(path + ": No such file or directory");
    return Status::OK();
  }

  Status RenameFile(const std::string& from, const std::string& to) override {
    std::lock_guard<std::mutex> guard(mutex_);
    auto it = files_.find(from);
    if (it == files_.end()) return Status::NotFound(from + ": No such file or directory");
    files_[to] = it->second;
    files_.erase(from);
    return Status::OK();
  }

  Status ListDirectory(const std::string& dir, std::vector<std::string>* names) override {
    std::lock_guard<std::mutex> guard(mutex_);
    names->clear();
    std::string prefix = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    for (const auto& [path, data] : files_) {
      if (path.compare(0, prefix.size(), prefix) == 0 &&
          path.find('/', prefix.size()) == std::string::npos) {
        names->push_back(path.substr(prefix.size()));
      }
    }
    return Status::OK();
  }

 private:
  static Status Attach(const std::string& path, const std::shared_ptr<MemFileData>& data,
                       bool writable, LockMode lock, std::unique_ptr<File>* result) {
    if (data->exclusive_holder ||
        (lock == LockMode::kExclusive && data->shared_holders > 0)) {
      return Status::Locked(path + " is in use by another program");
    }
    if (lock == LockMode::kExclusive) data->exclusive_holder = true;
    if (lock == LockMode::kShared) ++data->shared_holders;
    *result = std::make_unique<MemFile>(data, writable, lock);
    return Status::OK();
  }

  std::mutex mutex_;
  std::map<std::string, std::shared_ptr<MemFileData>> files_;
};

}  // namespace

std::unique_ptr<Env> NewMemEnv() { return std::make_unique<MemEnv>(); }

}  // namespace xbase
