// Bounded reads over a stream's bytes.
#include "design/stream/byte_reader.h"

#include "coding.h"

namespace vellumo::design {

std::string HexBytes(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (char c : bytes) {
    const auto b = static_cast<uint8_t>(c);
    if (!text.empty()) text += ' ';
    text += kDigits[b >> 4];
    text += kDigits[b & 0xF];
  }
  return text;
}

std::string HexByte(uint8_t byte) { return HexBytes(std::string_view(reinterpret_cast<const char*>(&byte), 1)); }

Status ByteReader::Need(size_t n, std::string_view what) const {
  if (n <= remaining()) return Status::OK();
  return Status::Corruption("the stream ends inside " + std::string(what) + " (offset " +
                            std::to_string(position_) + ": " + std::to_string(n) +
                            " bytes needed, " + std::to_string(remaining()) + " left)");
}

Result<uint8_t> ByteReader::PeekByte(std::string_view what) const {
  if (Status s = Need(1, what); !s.ok()) return s;
  return static_cast<uint8_t>(bytes_[position_]);
}

Result<uint8_t> ByteReader::Byte(std::string_view what) {
  Result<uint8_t> byte = PeekByte(what);
  if (byte.ok()) ++position_;
  return byte;
}

Result<uint16_t> ByteReader::LE16(std::string_view what) {
  if (Status s = Need(2, what); !s.ok()) return s;
  const uint16_t value = xbase::DecodeLE16(bytes_.data() + position_);
  position_ += 2;
  return value;
}

Result<uint32_t> ByteReader::LE32(std::string_view what) {
  if (Status s = Need(4, what); !s.ok()) return s;
  const uint32_t value = xbase::DecodeLE32(bytes_.data() + position_);
  position_ += 4;
  return value;
}

Result<std::string_view> ByteReader::Bytes(size_t n, std::string_view what) {
  if (Status s = Need(n, what); !s.ok()) return s;
  const std::string_view view = bytes_.substr(position_, n);
  position_ += n;
  return view;
}

Result<std::string_view> ByteReader::ShortString(std::string_view what) {
  Result<uint8_t> length = Byte(what);
  if (!length.ok()) return length.status();
  return Bytes(*length, what);
}

Result<std::string_view> ByteReader::LongBlock(std::string_view what) {
  Result<uint32_t> length = LE32(what);
  if (!length.ok()) return length.status();
  return Bytes(*length, what);
}

}  // namespace vellumo::design
