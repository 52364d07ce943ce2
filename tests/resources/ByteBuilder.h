// ByteBuilder: writes little-endian test input by hand, so that the readers
// are checked against bytes laid out from the formats' descriptions.
#ifndef CONTOUR_TESTS_RESOURCES_BYTEBUILDER_H
#define CONTOUR_TESTS_RESOURCES_BYTEBUILDER_H

#include <cstdint>
#include <string>
#include <vector>

namespace easel::testing {

class ByteBuilder {
 public:
  ByteBuilder& u8(uint32_t v) {
    bytes_.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  ByteBuilder& u16(uint32_t v) { return little(v, 2); }
  ByteBuilder& u32(uint32_t v) { return little(v, 4); }
  ByteBuilder& u64(uint64_t v) { return little(v, 8); }
  // UTF-16 units with a zero terminator.
  ByteBuilder& text16(const std::u16string& s) {
    for (char16_t c : s) u16(c);
    return u16(0);
  }
  ByteBuilder& ascii(const std::string& s) {
    for (char c : s) u8(static_cast<uint8_t>(c));
    return *this;
  }
  ByteBuilder& append(const std::vector<uint8_t>& more) {
    bytes_.insert(bytes_.end(), more.begin(), more.end());
    return *this;
  }
  ByteBuilder& alignTo(size_t n) {
    while (bytes_.size() % n) bytes_.push_back(0);
    return *this;
  }
  // Overwrites a 16-bit field written earlier (e.g. a length known only at the end).
  ByteBuilder& patch16(size_t at, uint32_t v) {
    bytes_[at] = static_cast<uint8_t>(v);
    bytes_[at + 1] = static_cast<uint8_t>(v >> 8);
    return *this;
  }
  size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  ByteBuilder& little(uint64_t v, int width) {
    for (int i = 0; i < width; ++i) bytes_.push_back(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  std::vector<uint8_t> bytes_;
};

// One .res entry with ordinal type and name, US English.
inline std::vector<uint8_t> resEntry(uint16_t type, uint16_t name, const std::vector<uint8_t>& data) {
  ByteBuilder b;
  b.u32(static_cast<uint32_t>(data.size())).u32(32);
  b.u16(0xFFFF).u16(type).u16(0xFFFF).u16(name);
  b.u32(0).u16(0x1030).u16(1033).u32(0).u32(0);
  b.append(data).alignTo(4);
  return b.bytes();
}

// A .res file: the empty leading entry, then the given entries.
inline std::vector<uint8_t> resFile(const std::vector<std::vector<uint8_t>>& entries) {
  ByteBuilder b;
  b.u32(0).u32(32).u16(0xFFFF).u16(0).u16(0xFFFF).u16(0).u32(0).u16(0).u16(0).u32(0).u32(0);
  for (const auto& e : entries) b.append(e);
  return b.bytes();
}

}  // namespace easel::testing

#endif
