// libFuzzer target: the input is a key length, a record number, a key and
// a 512-byte leaf page. Inserting into the page where it lies must stay
// inside the page whatever it holds; and when the page decodes, an insert
// that succeeds must leave a page that decodes to the same entries plus the
// new one.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "cdx_leaf_in_place.h"
#include "cdx_node.h"

namespace {

constexpr size_t kParameters = 1 + 4;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace xbase::cdx;
  if (size < kParameters + kPageSize) return 0;
  const uint16_t key_length = static_cast<uint16_t>(1 + data[0] % 240);
  uint32_t recno = 0;
  std::memcpy(&recno, data + 1, 4);
  const size_t key_bytes = size - kParameters - kPageSize;
  const char* rest = reinterpret_cast<const char*>(data + kParameters);
  const char pad = data[0] & 0x80 ? '\0' : ' ';
  std::string key(rest, std::min<size_t>(key_bytes, key_length));
  key.resize(key_length, pad);
  std::string page(rest + key_bytes, kPageSize);

  Node before;
  const bool decodes = DecodeNode(page.data(), kPageSize, key_length, pad, &before).ok() && before.leaf;
  const InPlaceInsert result = InsertIntoLeafPage(page.data(), key_length, pad, key, recno);
  if (!decodes || result != InPlaceInsert::kInserted) return 0;
  Node after;
  if (!DecodeNode(page.data(), kPageSize, key_length, pad, &after).ok()) __builtin_trap();
  if (after.count() != before.count() + 1) __builtin_trap();
  size_t at = 0;
  while (at < after.count() && !(after.key(at) == key && after.recnos[at] == recno)) ++at;
  if (at == after.count()) __builtin_trap();
  for (size_t i = 0; i < before.count(); ++i) {
    const size_t j = i < at ? i : i + 1;
    if (before.key(i) != after.key(j) || before.recnos[i] != after.recnos[j]) __builtin_trap();
  }
  return 0;
}
