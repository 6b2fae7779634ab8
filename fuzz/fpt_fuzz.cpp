// Fuzz target: any bytes as a FoxPro memo file. Reads at several pointers
// and a write must either fail with a Status or work.
#include <cstddef>
#include <cstdint>

#include "coding.h"
#include "memo_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace xbase;
  std::unique_ptr<Env> env = NewMemEnv();
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  {
    std::unique_ptr<File> file;
    if (!env->CreateFile("F.FPT", LockMode::kNone, &file).ok()) return 0;
    if (!file->WriteAt(0, bytes).ok()) return 0;
  }
  std::unique_ptr<MemoFile> memo;
  if (!MemoFile::Open(env.get(), "F.FPT", MemoFormat::kFpt, true, LockMode::kNone, &memo).ok()) {
    return 0;
  }
  // Pointers from the input's last bytes, plus the usual first blocks.
  std::vector<uint32_t> blocks = {0, 1, 8, 9, 0xFFFFFFFF};
  for (size_t i = 0; i + 4 <= std::min<size_t>(size, 16); i += 4) {
    blocks.push_back(DecodeBE32(bytes.data() + size - 4 - i));
  }
  std::string text;
  for (uint32_t block : blocks) (void)memo->Read(block, &text);
  for (uint32_t block : blocks) {
    uint32_t at = block;
    if (memo->Write(std::string(size % 300, 'x'), &at).ok()) {
      if (!memo->Read(at, &text).ok() || text != std::string(size % 300, 'x')) __builtin_trap();
    }
  }
  return 0;
}
