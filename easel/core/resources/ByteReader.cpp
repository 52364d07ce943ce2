#include "easel/core/resources/ByteReader.h"

namespace easel {

uint64_t ByteReader::little(size_t width) {
  if (!ok_ || remaining() < width) {
    fail();
    return 0;
  }
  uint64_t value = 0;
  for (size_t i = 0; i < width; ++i) value |= uint64_t{bytes_[pos_ + i]} << (8 * i);
  pos_ += width;
  return value;
}

uint8_t ByteReader::u8() { return static_cast<uint8_t>(little(1)); }
uint16_t ByteReader::u16() { return static_cast<uint16_t>(little(2)); }
uint32_t ByteReader::u32() { return static_cast<uint32_t>(little(4)); }
uint64_t ByteReader::u64() { return little(8); }

std::span<const uint8_t> ByteReader::bytes(size_t n) {
  if (!ok_ || remaining() < n) {
    fail();
    return {};
  }
  auto result = bytes_.subspan(pos_, n);
  pos_ += n;
  return result;
}

void ByteReader::seek(size_t position) {
  if (!ok_ || position > bytes_.size()) {
    fail();
    return;
  }
  pos_ = position;
}

void ByteReader::alignTo(size_t alignment) {
  size_t misalignment = pos_ % alignment;
  if (misalignment == 0) return;
  size_t padding = alignment - misalignment;
  // Padding that the end of the span cuts short is not an error.
  pos_ = padding <= remaining() ? pos_ + padding : bytes_.size();
}

std::u16string ByteReader::zeroTerminatedUtf16() {
  std::u16string text;
  while (ok_) {
    char16_t unit = static_cast<char16_t>(u16());
    if (!ok_ || unit == 0) break;
    text.push_back(unit);
  }
  return text;
}

}  // namespace easel
