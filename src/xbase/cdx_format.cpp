// Encoding and decoding of CDX tag headers (docs/cdx-format.md).
#include "cdx_format.h"

#include <cstring>

#include "coding.h"

namespace xbase::cdx {

std::string Hex(uint64_t value) {
  static const char kDigits[] = "0123456789abcdef";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "0x" + digits;
}

bool TagHeader::FitsPool() const {
  return key_expression.size() + 1 + for_expression.size() + 1 <= kPoolSize;
}

void TagHeader::EncodeTo(char* header) const {
  EncodeLE32(header + kRootField, root);
  EncodeLE32(header + kFreeListField, free_list);
  EncodeLE32(header + kVersionField, version);
  EncodeLE16(header + kKeyLengthField, key_length);
  header[kOptionsField] = static_cast<char>(options);
  header[kSignatureField] = static_cast<char>(kSignature);
  EncodeLE16(header + kOrderField, descending ? 1 : 0);
  // Each expression is stored with its terminating NUL, the FOR clause after the key.
  const uint16_t key_pool = static_cast<uint16_t>(key_expression.size() + 1);
  const uint16_t for_pool = static_cast<uint16_t>(for_expression.size() + 1);
  EncodeLE16(header + kKeyExprLengthField, key_pool);
  EncodeLE16(header + kForLengthField, for_pool);
  EncodeLE16(header + kPoolLengthField, static_cast<uint16_t>(key_pool + for_pool));
  std::memcpy(header + kPoolOffset, key_expression.data(), key_expression.size());
  std::memcpy(header + kPoolOffset + key_pool, for_expression.data(), for_expression.size());
  std::memcpy(header + kKeyTypeField, kKeyTypeMagic, sizeof(kKeyTypeMagic));
  header[kKeyTypeField + sizeof(kKeyTypeMagic)] = character_keys ? 'C' : 'B';
}

namespace {

// The text of a pool slice, up to its first NUL.
std::string PoolText(const char* begin, size_t length) {
  const void* nul = std::memchr(begin, '\0', length);
  return std::string(begin, nul ? static_cast<const char*>(nul) - begin : length);
}

}  // namespace

Status TagHeader::DecodeFrom(const char* header) {
  root = DecodeLE32(header + kRootField);
  free_list = DecodeLE32(header + kFreeListField);
  version = DecodeLE32(header + kVersionField);
  key_length = DecodeLE16(header + kKeyLengthField);
  options = static_cast<uint8_t>(header[kOptionsField]);
  if ((options & kOptionCompact) == 0) {
    return Status::NotSupported("not a compact index (options " + Hex(options) + ")");
  }
  if (key_length == 0 || key_length > kMaxKeyLength) {
    return Status::Corruption("bad key length " + std::to_string(key_length) + " in tag header");
  }
  const uint16_t order = DecodeLE16(header + kOrderField);
  if (order > 1) return Status::Corruption("bad sort order " + std::to_string(order) + " in tag header");
  descending = order == 1;
  const size_t key_pool = DecodeLE16(header + kKeyExprLengthField);
  const size_t for_pool = DecodeLE16(header + kForLengthField);
  if (key_pool > kPoolSize || for_pool > kPoolSize - key_pool) {
    return Status::Corruption("expression lengths " + std::to_string(key_pool) + "+" +
                              std::to_string(for_pool) + " overflow the tag header");
  }
  key_expression = PoolText(header + kPoolOffset, key_pool);
  for_expression = PoolText(header + kPoolOffset + key_pool, for_pool);
  character_keys = !(std::memcmp(header + kKeyTypeField, kKeyTypeMagic, sizeof(kKeyTypeMagic)) == 0 &&
                     header[kKeyTypeField + sizeof(kKeyTypeMagic)] == 'B');
  return Status::OK();
}

}  // namespace xbase::cdx
