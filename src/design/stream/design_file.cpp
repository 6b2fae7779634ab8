// Safe replacement and reading of design files.
#include "design/stream/design_file.h"

#include <memory>

#include "design/stream/design_stream_writer.h"

namespace vellumo::design {

namespace {

Status WriteAndSync(xbase::Env* env, const std::string& path, std::string_view bytes) {
  std::unique_ptr<xbase::File> file;
  XBASE_RETURN_IF_ERROR(env->CreateFile(path, xbase::LockMode::kNone, &file));
  XBASE_RETURN_IF_ERROR(file->WriteAt(0, bytes));
  return file->Sync();
}

Status WriteEncoded(xbase::Env* env, const std::string& path, const Result<std::string>& bytes) {
  if (!bytes.ok()) return bytes.status().WithContext(path);
  return ReplaceFileSafely(env, path, *bytes);
}

// Reads the file and decodes it; ReadResult is DesignReadResult or ReportReadResult.
template <typename ReadResult, typename Decode>
ReadResult ReadDecoded(xbase::Env* env, const std::string& path, Decode decode) {
  Result<std::string> bytes = ReadWholeFile(env, path);
  if (!bytes.ok()) return {{}, bytes.status()};
  ReadResult result = decode(*bytes);
  result.status = result.status.WithContext(path);
  return result;
}

}  // namespace

Status ReplaceFileSafely(xbase::Env* env, const std::string& path, std::string_view bytes) {
  const std::string temporary = path + std::string(kTemporaryFileSuffix);
  Status s = WriteAndSync(env, temporary, bytes);
  if (s.ok()) s = env->RenameFile(temporary, path);
  if (s.ok()) return s;
  if (env->FileExists(temporary)) {
    Status removed = env->RemoveFile(temporary);
    if (!removed.ok()) {
      return s.WithContext("(the temporary file could not be removed either: " + removed.message() + ")");
    }
  }
  return s;
}

Result<std::string> ReadWholeFile(xbase::Env* env, const std::string& path) {
  std::unique_ptr<xbase::File> file;
  if (!env->FileExists(path)) return Status::NotFound(path + ": no such file");
  XBASE_RETURN_IF_ERROR(env->OpenFile(path, false, xbase::LockMode::kNone, &file));
  uint64_t size = 0;
  XBASE_RETURN_IF_ERROR(file->Size(&size));
  std::string bytes(size, '\0');
  size_t read = 0;
  XBASE_RETURN_IF_ERROR(file->ReadAt(0, bytes.size(), bytes.data(), &read));
  if (read != bytes.size()) {
    return Status::IOError(path + ": the file ended after " + std::to_string(read) + " of " +
                           std::to_string(size) + " bytes");
  }
  return bytes;
}

Status WriteDesignFile(xbase::Env* env, const std::string& path, std::span<const StoredObject> objects) {
  return WriteEncoded(env, path, EncodeDesignStream(objects));
}

DesignReadResult ReadDesignFile(xbase::Env* env, const std::string& path) {
  return ReadDecoded<DesignReadResult>(env, path, DecodeDesignStream);
}

Status WriteReportFile(xbase::Env* env, const std::string& path, const ReportDesign& report) {
  return WriteEncoded(env, path, EncodeReportDesign(report));
}

ReportReadResult ReadReportFile(xbase::Env* env, const std::string& path) {
  return ReadDecoded<ReportReadResult>(env, path, DecodeReportDesign);
}

}  // namespace vellumo::design
