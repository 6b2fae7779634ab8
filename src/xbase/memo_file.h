// Memo files: FoxPro .FPT (read and written) and dBASE .DBT (read). Memo
// texts live in blocks; a table's memo field holds the first block's number.
// The on-disk layouts are described in docs/memo-format.md.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/env.h"
#include "xbase/status.h"

namespace xbase {

enum class MemoFormat { kFpt, kDbt3, kDbt4 };

class MemoFile {
 public:
  virtual ~MemoFile() = default;

  static constexpr uint32_t kDefaultFptBlockSize = 64;

  // Creates an empty FoxPro memo file.
  static Status CreateFpt(Env* env, const std::string& path, uint32_t block_size, LockMode lock,
                          std::unique_ptr<MemoFile>* result);
  static Status Open(Env* env, const std::string& path, MemoFormat format, bool writable,
                     LockMode lock, std::unique_ptr<MemoFile>* result);

  virtual MemoFormat format() const = 0;
  virtual uint32_t block_size() const = 0;

  // Reads the memo starting at `block` (0 means empty). Pointers past the end
  // of the file or lengths that overrun it give Corruption.
  virtual Status Read(uint32_t block, std::string* data) = 0;
  // Stores `data` and sets *block to where it now starts: in place when it
  // fits the old blocks (*block on entry, 0 for none), else at the end of the
  // file. Empty data sets *block to 0. Corruption, with nothing written,
  // when the old memo does not lie inside the file.
  virtual Status Write(std::string_view data, uint32_t* block) = 0;
  // Writes the header (next free block) and, when `durable`, hands the file
  // to stable storage. Call it before
  // committing records that point at new memos, so that other programs
  // find them covered by the header. (We ourselves place new memos after the
  // file's end, whatever the header says.)
  virtual Status Flush(bool durable) = 0;
  // Empties the file (for zap).
  virtual Status Clear() = 0;
};

}  // namespace xbase
