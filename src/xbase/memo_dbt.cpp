// Reading dBASE III and dBASE IV memo files.
#include "memo_dbt.h"

#include <cstring>

#include "coding.h"

namespace xbase {
namespace {

constexpr char kDBase4Signature[4] = {'\xFF', '\xFF', '\x08', '\x00'};
// dBASE III memos are read in pieces of this size while looking for the end.
constexpr size_t kScanChunkSize = 4096;

}  // namespace

Status DbtMemoFile::Open(Env* env, const std::string& path, MemoFormat format, LockMode lock,
                         std::unique_ptr<MemoFile>* result) {
  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->OpenFile(path, /*writable=*/false, lock, &file));
  char header[kHeaderSize];
  size_t read;
  XBASE_RETURN_IF_ERROR(file->ReadAt(0, kHeaderSize, header, &read));
  if (read != kHeaderSize) {
    return Status::Corruption(path + ": not a memo file (only " + std::to_string(read) + " bytes)");
  }
  uint32_t block_size = kDBase3BlockSize;
  if (format == MemoFormat::kDbt4) {
    uint32_t stored = DecodeLE16(header + kDBase4BlockSizeOffset);
    if (stored != 0) block_size = stored;
  }
  result->reset(new DbtMemoFile(path, std::move(file), format, block_size));
  return Status::OK();
}

Status DbtMemoFile::Read(uint32_t block, std::string* data) {
  data->clear();
  if (block == 0) return Status::OK();
  uint64_t size;
  XBASE_RETURN_IF_ERROR(file_->Size(&size));
  const uint64_t offset = static_cast<uint64_t>(block) * block_size_;
  if (offset < kHeaderSize) {
    return Status::Corruption(path_ + ": memo block " + std::to_string(block) +
                              " lies inside the header");
  }
  if (offset >= size) {
    return Status::Corruption(path_ + ": memo block " + std::to_string(block) +
                              " lies past the end of the file (" + std::to_string(size) +
                              " bytes)");
  }
  Status s = format_ == MemoFormat::kDbt4 ? ReadDBase4(offset, size, data)
                                          : ReadDBase3(offset, size, data);
  if (!s.ok()) data->clear();
  return s;
}

Status DbtMemoFile::ReadDBase3(uint64_t offset, uint64_t size, std::string* data) {
  char chunk[kScanChunkSize];
  for (uint64_t pos = offset; pos < size;) {
    size_t read;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(pos, kScanChunkSize, chunk, &read));
    if (read == 0) break;
    const char* end = static_cast<const char*>(std::memchr(chunk, kEndMark, read));
    if (end != nullptr) {
      data->append(chunk, end - chunk);
      return Status::OK();
    }
    data->append(chunk, read);
    pos += read;
  }
  return Status::Corruption(path_ + ": memo block " + std::to_string(offset / block_size_) +
                            " has no end mark before the end of the file");
}

Status DbtMemoFile::ReadDBase4(uint64_t offset, uint64_t size, std::string* data) {
  const std::string where = path_ + ": memo block " + std::to_string(offset / block_size_);
  char header[kDBase4BlockHeaderSize];
  size_t read;
  XBASE_RETURN_IF_ERROR(file_->ReadAt(offset, sizeof header, header, &read));
  if (read != sizeof header || std::memcmp(header, kDBase4Signature, 4) != 0) {
    return Status::Corruption(where + " does not start a memo");
  }
  // The stored length counts the block header too.
  uint32_t length = DecodeLE32(header + 4);
  if (length < kDBase4BlockHeaderSize || offset + length > size) {
    return Status::Corruption(where + " has a bad length " + std::to_string(length));
  }
  data->resize(length - kDBase4BlockHeaderSize);
  XBASE_RETURN_IF_ERROR(
      file_->ReadAt(offset + kDBase4BlockHeaderSize, data->size(), data->data(), &read));
  if (read != data->size()) return Status::Corruption(where + " is cut short");
  return Status::OK();
}

Status DbtMemoFile::Write(std::string_view, uint32_t*) {
  return Status::NotSupported(path_ + ": dBASE memo files are read only");
}

Status DbtMemoFile::Clear() {
  return Status::NotSupported(path_ + ": dBASE memo files are read only");
}

}  // namespace xbase
