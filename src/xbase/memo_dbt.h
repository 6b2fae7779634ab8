// dBASE memo files (.DBT), read only. dBASE III: 512-byte blocks, each memo
// ends at a 0x1A mark. dBASE IV: the block size is in the header and each
// memo starts with FF FF 08 00 and its length.
#pragma once

#include <memory>
#include <string>

#include "memo_file.h"

namespace xbase {

class DbtMemoFile final : public MemoFile {
 public:
  static constexpr size_t kHeaderSize = 512;
  static constexpr uint32_t kDBase3BlockSize = 512;
  static constexpr size_t kDBase4BlockSizeOffset = 20;  // little-endian 16 bits
  static constexpr size_t kDBase4BlockHeaderSize = 8;   // FF FF 08 00, length
  static constexpr char kEndMark = 0x1A;

  static Status Open(Env* env, const std::string& path, MemoFormat format, LockMode lock,
                     std::unique_ptr<MemoFile>* result);

  MemoFormat format() const override { return format_; }
  uint32_t block_size() const override { return block_size_; }
  Status Read(uint32_t block, std::string* data) override;
  Status Write(std::string_view data, uint32_t* block) override;
  Status Flush(bool) override { return Status::OK(); }
  Status Clear() override;

 private:
  DbtMemoFile(std::string path, std::unique_ptr<File> file, MemoFormat format, uint32_t block_size)
      : path_(std::move(path)), file_(std::move(file)), format_(format), block_size_(block_size) {}

  Status ReadDBase3(uint64_t offset, uint64_t size, std::string* data);
  Status ReadDBase4(uint64_t offset, uint64_t size, std::string* data);

  std::string path_;
  std::unique_ptr<File> file_;
  MemoFormat format_;
  uint32_t block_size_;
};

}  // namespace xbase
