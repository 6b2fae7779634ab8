// FoxPro memo files (.FPT): a 512-byte header, then blocks of a fixed size;
// each memo starts on a block with a big-endian type and length.
#pragma once

#include <memory>
#include <string>

#include "memo_file.h"

namespace xbase {

class FptMemoFile final : public MemoFile {
 public:
  static constexpr size_t kHeaderSize = 512;
  static constexpr size_t kNextFreeOffset = 0;   // big-endian 32 bits
  static constexpr size_t kBlockSizeOffset = 6;  // big-endian 16 bits
  static constexpr size_t kBlockHeaderSize = 4 + 4;  // type, length
  static constexpr uint32_t kTextType = 1;
  static constexpr uint32_t kMaxBlockSize = 0xFFFF;
  // Reads fetch this much at once, so that short memos take one read.
  static constexpr size_t kFirstReadSize = 512;
  static_assert(kFirstReadSize > kBlockHeaderSize);
  static_assert(kBlockSizeOffset + 2 <= kHeaderSize);

  static Status Create(Env* env, const std::string& path, uint32_t block_size, LockMode lock,
                       std::unique_ptr<MemoFile>* result);
  static Status Open(Env* env, const std::string& path, bool writable, LockMode lock,
                     std::unique_ptr<MemoFile>* result);

  MemoFormat format() const override { return MemoFormat::kFpt; }
  uint32_t block_size() const override { return block_size_; }
  Status Read(uint32_t block, std::string* data) override;
  Status Write(std::string_view data, uint32_t* block) override;
  Status Flush(bool durable) override;
  Status Clear() override;

 private:
  FptMemoFile(std::string path, std::unique_ptr<File> file, uint32_t block_size, bool writable);

  // The first block after the header.
  uint32_t FirstDataBlock() const {
    return static_cast<uint32_t>((kHeaderSize + block_size_ - 1) / block_size_);
  }
  // Corruption (about `what`) unless the file reaches `end`. Asks the file
  // for its size only when `end` lies beyond the size last seen.
  Status CheckInsideFile(uint64_t end, const std::string& what);
  // Reads the memo at `block`: its length, and into *data (when not null)
  // its bytes. Checks that the memo lies inside the file.
  Status ReadMemo(uint32_t block, uint32_t* length, std::string* data);
  Status WriteHeader();

  std::string path_;
  std::unique_ptr<File> file_;
  uint32_t block_size_;
  bool writable_;
  uint32_t next_free_ = 0;
  bool header_dirty_ = false;
  // Memo blocks were written since the file was last synced.
  bool unsynced_ = false;
  // The file is at least this long (it only grows, except by Clear).
  uint64_t known_size_ = 0;
};

}  // namespace xbase
