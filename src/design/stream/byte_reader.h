// A bounded cursor over the bytes of a stream: every read checks what is
// left first, so a length field can never lead past the end or into an
// allocation larger than the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "design/stream/result.h"

namespace vellumo::design {

// Bytes as messages show them: "54 50 46 31", and one byte as "2A".
std::string HexBytes(std::string_view bytes);
std::string HexByte(uint8_t byte);

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  [[nodiscard]] size_t position() const { return position_; }
  [[nodiscard]] size_t remaining() const { return bytes_.size() - position_; }
  [[nodiscard]] bool AtEnd() const { return position_ == bytes_.size(); }

  // Each read names what it reads (`what`, e.g. "a property name") so that
  // a premature end is reported as "the stream ends inside a property name".
  Result<uint8_t> Byte(std::string_view what);
  Result<uint8_t> PeekByte(std::string_view what) const;
  Result<uint16_t> LE16(std::string_view what);
  Result<uint32_t> LE32(std::string_view what);
  // The next n bytes, a view into the stream.
  Result<std::string_view> Bytes(size_t n, std::string_view what);
  // One length byte and that many bytes, as they stand in the stream.
  Result<std::string_view> ShortString(std::string_view what);
  // A four-byte length and that many bytes.
  Result<std::string_view> LongBlock(std::string_view what);

 private:
  Status Need(size_t n, std::string_view what) const;

  std::string_view bytes_;
  size_t position_ = 0;
};

}  // namespace vellumo::design
