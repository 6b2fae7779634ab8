// Whole-file text I/O over xbase::Env.
#include "file_text.h"

#include <memory>

namespace sysdata {

xbase::Status ReadFileText(xbase::Env* env, const std::string& path, std::string* text) {
  std::unique_ptr<xbase::File> file;
  XBASE_RETURN_IF_ERROR(env->OpenFile(path, /*writable=*/false, xbase::LockMode::kNone, &file));
  uint64_t size = 0;
  XBASE_RETURN_IF_ERROR(file->Size(&size));
  std::string bytes(size, '\0');
  size_t read = 0;
  XBASE_RETURN_IF_ERROR(file->ReadAt(0, bytes.size(), bytes.data(), &read));
  if (read != bytes.size()) return xbase::Status::IOError(path + ": file shrank while being read");
  *text = std::move(bytes);
  return xbase::Status::OK();
}

xbase::Status WriteFileText(xbase::Env* env, const std::string& path, const std::string& text) {
  std::unique_ptr<xbase::File> file;
  XBASE_RETURN_IF_ERROR(env->CreateFile(path, xbase::LockMode::kNone, &file));
  XBASE_RETURN_IF_ERROR(file->WriteAt(0, text));
  return file->Sync();
}

}  // namespace sysdata
