// Bounded little-endian reading over a byte block.
#include "design/pictures/byte_reader.h"

#include <bit>

namespace vellumo {

QByteArrayView ByteReader::bytes(qsizetype count) {
  if (!has(count)) {
    overrun_ = true;
    position_ = bytes_.size();
    return {};
  }
  QByteArrayView view = bytes_.sliced(position_, count);
  position_ += count;
  return view;
}

uint8_t ByteReader::u8() {
  QByteArrayView b = bytes(1);
  return b.isEmpty() ? 0 : static_cast<uint8_t>(b[0]);
}

uint16_t ByteReader::u16() {
  QByteArrayView b = bytes(2);
  if (b.isEmpty()) return 0;
  return static_cast<uint16_t>(static_cast<uint8_t>(b[0]) | static_cast<uint8_t>(b[1]) << 8);
}

uint32_t ByteReader::u32() {
  QByteArrayView b = bytes(4);
  if (b.isEmpty()) return 0;
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(b[i]);
  return value;
}

float ByteReader::f32() { return std::bit_cast<float>(u32()); }

}  // namespace vellumo
