// Reading and writing FoxPro memo files.
#include "memo_fpt.h"

#include <algorithm>

#include "coding.h"

namespace xbase {

FptMemoFile::FptMemoFile(std::string path, std::unique_ptr<File> file, uint32_t block_size,
                         bool writable)
    : path_(std::move(path)), file_(std::move(file)), block_size_(block_size), writable_(writable) {}

Status FptMemoFile::Create(Env* env, const std::string& path, uint32_t block_size, LockMode lock,
                           std::unique_ptr<MemoFile>* result) {
  if (block_size == 0 || block_size > kMaxBlockSize) {
    return Status::InvalidArgument(path + ": memo block size " + std::to_string(block_size) +
                                   " is not between 1 and " + std::to_string(kMaxBlockSize));
  }
  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->CreateFile(path, lock, &file));
  std::unique_ptr<FptMemoFile> fpt(new FptMemoFile(path, std::move(file), block_size, true));
  XBASE_RETURN_IF_ERROR(fpt->Clear());
  *result = std::move(fpt);
  return Status::OK();
}

Status FptMemoFile::Open(Env* env, const std::string& path, bool writable, LockMode lock,
                         std::unique_ptr<MemoFile>* result) {
  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->OpenFile(path, writable, lock, &file));
  uint64_t size;
  XBASE_RETURN_IF_ERROR(file->Size(&size));
  char header[kHeaderSize];
  size_t read;
  XBASE_RETURN_IF_ERROR(file->ReadAt(0, kHeaderSize, header, &read));
  if (read != kHeaderSize) {
    return Status::Corruption(path + ": not a memo file (only " + std::to_string(size) +
                              " bytes)");
  }
  uint32_t block_size = DecodeBE16(header + kBlockSizeOffset);
  if (block_size == 0) return Status::Corruption(path + ": memo block size is 0");
  std::unique_ptr<FptMemoFile> fpt(new FptMemoFile(path, std::move(file), block_size, writable));
  // New memos go after everything in the file, whatever the header says: a
  // header that lags behind (a crash after an append) must not let a new
  // memo overwrite one a table may already point at.
  uint64_t blocks_in_file = (size + block_size - 1) / block_size;
  if (blocks_in_file > UINT32_MAX) return Status::Corruption(path + ": memo file too large");
  fpt->next_free_ = std::max(fpt->FirstDataBlock(), static_cast<uint32_t>(blocks_in_file));
  fpt->known_size_ = size;
  *result = std::move(fpt);
  return Status::OK();
}

Status FptMemoFile::CheckInsideFile(uint64_t end, const std::string& what) {
  if (end <= known_size_) return Status::OK();
  // Another program may have added memos since we last looked.
  XBASE_RETURN_IF_ERROR(file_->Size(&known_size_));
  if (end > known_size_) {
    return Status::Corruption(path_ + ": memo block " + what + " (the file has " +
                              std::to_string(known_size_) + " bytes)");
  }
  return Status::OK();
}

Status FptMemoFile::ReadMemo(uint32_t block, uint32_t* length, std::string* data) {
  const uint64_t offset = static_cast<uint64_t>(block) * block_size_;
  const std::string name = std::to_string(block);
  if (offset < kHeaderSize) {
    return Status::Corruption(path_ + ": memo block " + name + " lies inside the header");
  }
  XBASE_RETURN_IF_ERROR(
      CheckInsideFile(offset + kBlockHeaderSize, name + " lies past the end of the file"));
  char first[kFirstReadSize];
  size_t read;
  XBASE_RETURN_IF_ERROR(file_->ReadAt(offset, data ? sizeof first : kBlockHeaderSize, first, &read));
  if (read < kBlockHeaderSize) return Status::Corruption(path_ + ": memo block " + name + " is cut short");
  *length = DecodeBE32(first + 4);
  XBASE_RETURN_IF_ERROR(CheckInsideFile(offset + kBlockHeaderSize + *length,
                                        name + " says " + std::to_string(*length) +
                                            " bytes, which run past the end of the file"));
  if (data == nullptr) return Status::OK();
  const size_t in_first = std::min<size_t>(*length, read - kBlockHeaderSize);
  data->assign(first + kBlockHeaderSize, in_first);
  if (in_first < *length) {
    data->resize(*length);
    size_t rest;
    XBASE_RETURN_IF_ERROR(file_->ReadAt(offset + kBlockHeaderSize + in_first, *length - in_first,
                                        data->data() + in_first, &rest));
    if (rest != *length - in_first) {
      return Status::Corruption(path_ + ": memo block " + name + " is cut short");
    }
  }
  return Status::OK();
}

Status FptMemoFile::Read(uint32_t block, std::string* data) {
  data->clear();
  if (block == 0) return Status::OK();
  uint32_t length;
  Status s = ReadMemo(block, &length, data);
  if (!s.ok()) data->clear();
  return s;
}

Status FptMemoFile::Write(std::string_view data, uint32_t* block) {
  if (!writable_) return Status::InvalidArgument(path_ + ": memo file is open read-only");
  if (data.empty()) {
    *block = 0;
    return Status::OK();
  }
  if (data.size() > UINT32_MAX - kBlockHeaderSize) {
    return Status::InvalidArgument(path_ + ": memo of " + std::to_string(data.size()) +
                                   " bytes is too long");
  }
  const uint64_t needed = kBlockHeaderSize + data.size();
  const uint64_t blocks_needed = (needed + block_size_ - 1) / block_size_;
  uint32_t target = 0;
  if (*block != 0) {
    uint32_t old_length;
    XBASE_RETURN_IF_ERROR(ReadMemo(*block, &old_length, nullptr));
    uint64_t old_blocks = (kBlockHeaderSize + uint64_t{old_length} + block_size_ - 1) / block_size_;
    if (blocks_needed <= old_blocks) target = *block;
  }
  const bool append = target == 0;
  if (append) {
    if (next_free_ + blocks_needed > UINT32_MAX) {
      return Status::InvalidArgument(path_ + ": memo file is full");
    }
    target = next_free_;
  }

  std::string bytes(append ? blocks_needed * block_size_ : needed, '\0');
  EncodeBE32(bytes.data(), kTextType);
  EncodeBE32(bytes.data() + 4, static_cast<uint32_t>(data.size()));
  bytes.replace(kBlockHeaderSize, data.size(), data);
  XBASE_RETURN_IF_ERROR(file_->WriteAt(static_cast<uint64_t>(target) * block_size_, bytes));
  unsynced_ = true;
  if (append) {
    next_free_ = static_cast<uint32_t>(next_free_ + blocks_needed);
    known_size_ = std::max<uint64_t>(known_size_, uint64_t{next_free_} * block_size_);
    header_dirty_ = true;
  }
  *block = target;
  return Status::OK();
}

Status FptMemoFile::WriteHeader() {
  char bytes[kBlockSizeOffset + 2] = {};
  EncodeBE32(bytes + kNextFreeOffset, next_free_);
  EncodeBE16(bytes + kBlockSizeOffset, static_cast<uint16_t>(block_size_));
  return file_->WriteAt(0, std::string_view(bytes, sizeof bytes));
}

Status FptMemoFile::Flush(bool durable) {
  if (!writable_) return Status::OK();
  if (header_dirty_) XBASE_RETURN_IF_ERROR(WriteHeader());
  header_dirty_ = false;
  // A commit that changed no memo has nothing here to wait for.
  if (!durable || !unsynced_) return Status::OK();
  XBASE_RETURN_IF_ERROR(file_->Sync());
  unsynced_ = false;
  return Status::OK();
}

Status FptMemoFile::Clear() {
  if (!writable_) return Status::InvalidArgument(path_ + ": memo file is open read-only");
  next_free_ = FirstDataBlock();
  XBASE_RETURN_IF_ERROR(file_->Truncate(0));
  XBASE_RETURN_IF_ERROR(
      file_->WriteAt(0, std::string(static_cast<size_t>(next_free_) * block_size_, '\0')));
  XBASE_RETURN_IF_ERROR(WriteHeader());
  header_dirty_ = false;
  known_size_ = uint64_t{next_free_} * block_size_;
  return file_->Sync();
}

}  // namespace xbase
