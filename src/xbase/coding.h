// Fixed-width integer encoding in little- and big-endian byte order, for the
// on-disk structures. All functions work on unaligned bytes.
#pragma once

#include <cstdint>
#include <cstring>

namespace xbase {

inline uint16_t DecodeLE16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}
inline uint32_t DecodeLE32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}
inline uint64_t DecodeLE64(const char* p) {
  return static_cast<uint64_t>(DecodeLE32(p)) | (static_cast<uint64_t>(DecodeLE32(p + 4)) << 32);
}
inline uint16_t DecodeBE16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>((b[0] << 8) | b[1]);
}
inline uint32_t DecodeBE32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return (static_cast<uint32_t>(b[0]) << 24) | (static_cast<uint32_t>(b[1]) << 16) |
         (static_cast<uint32_t>(b[2]) << 8) | static_cast<uint32_t>(b[3]);
}

inline uint64_t DecodeBE64(const char* p) {
  return (static_cast<uint64_t>(DecodeBE32(p)) << 32) | DecodeBE32(p + 4);
}

inline void EncodeLE16(char* p, uint16_t v) {
  p[0] = static_cast<char>(v);
  p[1] = static_cast<char>(v >> 8);
}
inline void EncodeLE32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>(v >> (8 * i));
}
inline void EncodeLE64(char* p, uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<char>(v >> (8 * i));
}
inline void EncodeBE16(char* p, uint16_t v) {
  p[0] = static_cast<char>(v >> 8);
  p[1] = static_cast<char>(v);
}
inline void EncodeBE32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>(v >> (8 * (3 - i)));
}

}  // namespace xbase
