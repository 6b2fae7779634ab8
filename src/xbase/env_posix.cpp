// Env over the POSIX file system: pread/pwrite, flock for table locks, and
// a shared mmap for fast scans (and, on files open for writing, for stores
// that cost a copy instead of a system call).
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#if defined(__linux__)
#include <linux/magic.h>
#include <sys/vfs.h>
#endif

#include "xbase/env.h"

namespace xbase {
namespace {

Status PosixError(const std::string& context, int error_number) {
  std::string msg = context + ": " + std::strerror(error_number);
  if (error_number == ENOENT) return Status::NotFound(msg);
  return Status::IOError(msg);
}

class PosixFile final : public File {
 public:
  PosixFile(std::string path, int fd, bool writable) : path_(std::move(path)), fd_(fd), writable_(writable) {}
  ~PosixFile() override {
    Unmap();
    ::close(fd_);  // also releases the flock
  }

  Status ReadAt(uint64_t offset, size_t n, char* buf, size_t* read) override {
    size_t done = 0;
    while (done < n) {
      ssize_t r = ::pread(fd_, buf + done, n - done, static_cast<off_t>(offset + done));
      if (r < 0) {
        if (errno == EINTR) continue;
        *read = done;
        return PosixError(path_, errno);
      }
      if (r == 0) break;
      done += static_cast<size_t>(r);
    }
    *read = done;
    return Status::OK();
  }

  Status WriteAt(uint64_t offset, std::string_view data) override {
    size_t done = 0;
    while (done < data.size()) {
      ssize_t r = ::pwrite(fd_, data.data() + done, data.size() - done,
                           static_cast<off_t>(offset + done));
      if (r < 0) {
        if (errno == EINTR) continue;
        return PosixError(path_, errno);
      }
      done += static_cast<size_t>(r);
    }
    return Status::OK();
  }

  Status Size(uint64_t* size) override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return PosixError(path_, errno);
    *size = static_cast<uint64_t>(st.st_size);
    return Status::OK();
  }

  Status Truncate(uint64_t size) override {
    Unmap();
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) return PosixError(path_, errno);
    return Status::OK();
  }

  Status Sync() override {
    if (::fdatasync(fd_) != 0) return PosixError(path_, errno);
    return Status::OK();
  }

  Status View(std::string_view* view) override {
    uint64_t size = 0;
    XBASE_RETURN_IF_ERROR(Map(&size));
    *view = std::string_view(map_, size);
    return Status::OK();
  }

  Status WritableView(char** data, uint64_t* size) override {
    if (!writable_) return Status::NotSupported(path_ + " is open read-only");
    if (!OverwritesInPlace()) return Status::NotSupported(path_ + " is on a file system that copies on write");
    XBASE_RETURN_IF_ERROR(Map(size));
    *data = map_;
    return Status::OK();
  }

  Status ChangeStamp(uint64_t* stamp) override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return PosixError(path_, errno);
    *stamp = static_cast<uint64_t>(st.st_mtim.tv_sec) * 1000000000u +
             static_cast<uint64_t>(st.st_mtim.tv_nsec);
    return Status::OK();
  }

 private:
  static constexpr uint64_t kMapSlack = 16u << 20;

  // Whether stores into a shared mapping can never fail for want of space.
  // A store that the kernel cannot place kills the process (SIGBUS) instead
  // of returning an error, so the writable view is offered only where
  // overwriting a file's existing bytes needs no new blocks: ext4 and tmpfs.
  // Copy-on-write file systems (btrfs, zfs, overlays) allocate on every
  // overwrite, and there the file is written with WriteAt.
  bool OverwritesInPlace() {
    if (!overwrites_in_place_.has_value()) {
#if defined(__linux__)
      struct statfs info;
      overwrites_in_place_ = ::fstatfs(fd_, &info) == 0 &&
                             (info.f_type == EXT4_SUPER_MAGIC || info.f_type == TMPFS_MAGIC);
#else
      overwrites_in_place_ = false;
#endif
    }
    return *overwrites_in_place_;
  }

  // Maps the file (again, if it outgrew the mapping) and stores its size.
  Status Map(uint64_t* size) {
    XBASE_RETURN_IF_ERROR(Size(size));
    if (*size > map_capacity_) {
      // Mapping beyond the end lets a growing file be viewed without a new
      // mapping per append; views never reach past the end.
      Unmap();
      uint64_t capacity = *size + *size / 2 + kMapSlack;
      void* p = ::mmap(nullptr, capacity, writable_ ? PROT_READ | PROT_WRITE : PROT_READ, MAP_SHARED, fd_, 0);
      if (p == MAP_FAILED) return PosixError(path_, errno);
      map_ = static_cast<char*>(p);
      map_capacity_ = capacity;
    }
    return Status::OK();
  }

  void Unmap() {
    if (map_ != nullptr) ::munmap(map_, map_capacity_);
    map_ = nullptr;
    map_capacity_ = 0;
  }

  std::string path_;
  int fd_;
  bool writable_;
  std::optional<bool> overwrites_in_place_;
  char* map_ = nullptr;
  uint64_t map_capacity_ = 0;
};

Status TakeLock(const std::string& path, int fd, LockMode lock) {
  if (lock == LockMode::kNone) return Status::OK();
  int op = (lock == LockMode::kExclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
  while (::flock(fd, op) != 0) {
    if (errno == EINTR) continue;
    if (errno == EWOULDBLOCK) return Status::Locked(path + " is in use by another program");
    return PosixError(path, errno);
  }
  return Status::OK();
}

class PosixEnv final : public Env {
 public:
  Status OpenFile(const std::string& path, bool writable, LockMode lock,
                  std::unique_ptr<File>* result) override {
    int fd = ::open(path.c_str(), (writable ? O_RDWR : O_RDONLY) | O_CLOEXEC);
    if (fd < 0) return PosixError(path, errno);
    return Finish(path, fd, writable, lock, result);
  }

  Status CreateFile(const std::string& path, LockMode lock,
                    std::unique_ptr<File>* result) override {
    // Lock before truncating so that a file in use is never emptied.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return PosixError(path, errno);
    Status s = Finish(path, fd, true, lock, result);
    if (s.ok()) s = (*result)->Truncate(0);
    if (!s.ok()) result->reset();
    return s;
  }

  bool FileExists(const std::string& path) override { return ::access(path.c_str(), F_OK) == 0; }

  Status RemoveFile(const std::string& path) override {
    if (::unlink(path.c_str()) != 0) return PosixError(path, errno);
    return Status::OK();
  }

  Status RenameFile(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return PosixError(from, errno);
    return Status::OK();
  }

  Status ListDirectory(const std::string& dir, std::vector<std::string>* names) override {
    names->clear();
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) return PosixError(dir, errno);
    while (struct dirent* entry = ::readdir(d)) {
      std::string name = entry->d_name;
      if (name != "." && name != "..") names->push_back(std::move(name));
    }
    ::closedir(d);
    return Status::OK();
  }

 private:
  static Status Finish(const std::string& path, int fd, bool writable, LockMode lock,
                       std::unique_ptr<File>* result) {
    Status s = TakeLock(path, fd, lock);
    if (!s.ok()) {
      ::close(fd);
      return s;
    }
    *result = std::make_unique<PosixFile>(path, fd, writable);
    return Status::OK();
  }
};

}  // namespace

Env* Env::Default() {
  static PosixEnv env;
  return &env;
}

}  // namespace xbase
