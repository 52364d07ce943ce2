// ByteReader: little-endian reads from a byte span that can never leave it.
// A read past the end returns zeros and marks the reader failed; decoders read
// a whole record and check ok() once, instead of checking every field.
#ifndef EASEL_CORE_RESOURCES_BYTEREADER_H
#define EASEL_CORE_RESOURCES_BYTEREADER_H

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace easel {

class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool ok() const { return ok_; }
  size_t position() const { return pos_; }
  size_t size() const { return bytes_.size(); }
  size_t remaining() const { return bytes_.size() - pos_; }
  bool atEnd() const { return pos_ == bytes_.size(); }

  uint8_t u8();
  uint16_t u16();
  int16_t i16() { return static_cast<int16_t>(u16()); }
  uint32_t u32();
  uint64_t u64();

  // The next n bytes (empty and failed if fewer remain).
  std::span<const uint8_t> bytes(size_t n);
  void skip(size_t n) { bytes(n); }
  // Moves to an absolute position; past the end fails.
  void seek(size_t position);
  // Skips to the next multiple of `alignment` counted from the span's start
  // (the end of the span counts as aligned).
  void alignTo(size_t alignment);

  // UTF-16 code units up to a zero terminator (consumed, not returned).
  // Fails if the span ends first.
  std::u16string zeroTerminatedUtf16();

  void fail() {
    ok_ = false;
    pos_ = bytes_.size();
  }

 private:
  uint64_t little(size_t width);

  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
  bool ok_ = true;
};

}  // namespace easel

#endif
