// The file layer under the engine. Every byte the engine stores goes through
// an Env, so tests can substitute an in-memory one (NewMemEnv) and fault
// injection is cheap.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"

namespace xbase {

enum class LockMode {
  kNone,       // no operating-system lock
  kShared,     // other shared holders allowed, exclusive holders refused
  kExclusive,  // nobody else, in this process or another, may hold the file
};

// An open file. Not thread-safe; one owner at a time.
class File {
 public:
  virtual ~File() = default;

  // Reads up to n bytes at offset into buf and stores the count in *read.
  // *read is below n only when the file ends first.
  virtual Status ReadAt(uint64_t offset, size_t n, char* buf, size_t* read) = 0;
  virtual Status WriteAt(uint64_t offset, std::string_view data) = 0;
  virtual Status Size(uint64_t* size) = 0;
  virtual Status Truncate(uint64_t size) = 0;
  // Hands written data to stable storage (fsync).
  virtual Status Sync() = 0;
  // A read-only view of the whole file as it is now, for fast scans.
  // The view stays valid until the next WriteAt, Truncate or View call.
  virtual Status View(std::string_view* view) = 0;
  // A writable view of the whole file as it is now, for files opened for
  // writing: bytes stored into it are the file's contents as if given to
  // WriteAt, and Sync covers them. It ends at the end of the file (the file
  // never grows through it) and stays valid until the next WriteAt,
  // Truncate, View or WritableView call. Files that cannot offer one return
  // NotSupported; callers then write with WriteAt.
  virtual Status WritableView(char** /*data*/, uint64_t* /*size*/) {
    return Status::NotSupported("this file cannot be written through a view");
  }
  // A number that changes whenever anyone modifies the file's contents
  // (modification time in nanoseconds for real files).
  virtual Status ChangeStamp(uint64_t* stamp) = 0;
};

class Env {
 public:
  virtual ~Env() = default;

  // The process-wide environment over the real file system.
  static Env* Default();

  // Opens an existing file. A lock that cannot be had fails at once with
  // Status::Locked ("in use").
  virtual Status OpenFile(const std::string& path, bool writable, LockMode lock,
                          std::unique_ptr<File>* result) = 0;
  // Creates a file, or truncates an existing one, open for reading and writing.
  virtual Status CreateFile(const std::string& path, LockMode lock,
                            std::unique_ptr<File>* result) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual Status RemoveFile(const std::string& path) = 0;
  virtual Status RenameFile(const std::string& from, const std::string& to) = 0;
  // Names (not paths) of the entries of a directory.
  virtual Status ListDirectory(const std::string& dir, std::vector<std::string>* names) = 0;
};

// A self-contained in-memory file system, for tests. Locks behave as on disk:
// a second exclusive open of the same path fails.
std::unique_ptr<Env> NewMemEnv();

// A table's companion files (its index, its memo file) are named after it.
// New ones take the case of the table's own extension: upper case when
// that has no lower-case letter ("ADDR.DBF" -> "ADDR.CDX", also for a
// table without extension), else lower case ("addr.dbf" -> "addr.cdx",
// "Addr.Dbf" -> "Addr.cdx"), since programs on case-sensitive file
// systems look for those names. Existing companions keep the names they
// have.
//
// The name a new companion of `path` with `extension` (any case) gets.
std::string CompanionFileName(const std::string& path, std::string_view extension);
// Finds the file beside `path` whose name equals `path` with its extension
// replaced by `extension`, matching the extension in any case ("ADDR.cdx"
// for "addr.dbf" and ".CDX"). Of several differing only in case, the one
// CompanionFileName gives is taken; the others are left alone. Returns the
// path found, or "" when none exists.
std::string FindCompanionFile(Env* env, const std::string& path, std::string_view extension);
// The companion to use, existing or new: FindCompanionFile, else
// CompanionFileName.
std::string CompanionFilePath(Env* env, const std::string& path, std::string_view extension);

// `path` with its extension replaced by `extension` (e.g. ".CDX").
std::string ReplaceExtension(const std::string& path, std::string_view extension);

}  // namespace xbase
