// Bounded little-endian reading over a byte block: every read checks what
// is left, so that a damaged picture gives an error and never a read past
// its end.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace vellumo {

class ByteReader {
 public:
  explicit ByteReader(QByteArrayView bytes) : bytes_(bytes) {}

  [[nodiscard]] qsizetype position() const { return position_; }
  [[nodiscard]] qsizetype remaining() const { return bytes_.size() - position_; }
  [[nodiscard]] bool has(qsizetype count) const { return count >= 0 && count <= remaining(); }
  // Whether an earlier read ran past the end; such reads give zeros.
  [[nodiscard]] bool overrun() const { return overrun_; }

  uint8_t u8();
  uint16_t u16();
  uint32_t u32();
  int16_t i16() { return static_cast<int16_t>(u16()); }
  int32_t i32() { return static_cast<int32_t>(u32()); }
  float f32();
  // The next `count` bytes; an empty view (and overrun) when fewer are left.
  QByteArrayView bytes(qsizetype count);
  void skip(qsizetype count) { bytes(count); }

 private:
  QByteArrayView bytes_;
  qsizetype position_ = 0;
  bool overrun_ = false;
};

}  // namespace vellumo
