// Choosing the memo file implementation for a format.
#include "memo_file.h"

#include "memo_dbt.h"
#include "memo_fpt.h"

namespace xbase {

Status MemoFile::CreateFpt(Env* env, const std::string& path, uint32_t block_size, LockMode lock,
                           std::unique_ptr<MemoFile>* result) {
  return FptMemoFile::Create(env, path, block_size, lock, result);
}

Status MemoFile::Open(Env* env, const std::string& path, MemoFormat format, bool writable,
                      LockMode lock, std::unique_ptr<MemoFile>* result) {
  if (format == MemoFormat::kFpt) return FptMemoFile::Open(env, path, writable, lock, result);
  return DbtMemoFile::Open(env, path, format, lock, result);
}

}  // namespace xbase
