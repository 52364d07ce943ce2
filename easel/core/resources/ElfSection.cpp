#include "easel/core/resources/ElfSection.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "easel/core/resources/ByteReader.h"
#include "easel/core/resources/ResFile.h"

namespace easel {
namespace {

// Offsets and values of the ELF64 layout that we need.
constexpr size_t kElfHeaderSize = 64;
constexpr size_t kSectionHeaderOffsetField = 0x28;
constexpr size_t kSectionHeaderSizeField = 0x3A;
constexpr size_t kSectionHeaderSize = 64;
constexpr uint8_t kClass64 = 2;
constexpr uint8_t kLittleEndian = 1;
constexpr uint32_t kNoBits = 8;              // a section with no bytes in the file
constexpr uint16_t kExtendedIndex = 0xFFFF;  // the string table index lives in section 0

struct SectionHeader {
  uint32_t name = 0;
  uint32_t type = 0;
  uint64_t offset = 0;
  uint64_t size = 0;
  uint32_t link = 0;
};

SectionHeader readSectionHeader(ByteReader& reader) {
  SectionHeader header;
  header.name = reader.u32();
  header.type = reader.u32();
  reader.skip(16);  // flags, address
  header.offset = reader.u64();
  header.size = reader.u64();
  header.link = reader.u32();
  reader.skip(20);  // info, alignment, entry size
  return header;
}

// The section's bytes within the image, or nothing if they lie outside it.
std::optional<std::span<const uint8_t>> contents(std::span<const uint8_t> image, const SectionHeader& section) {
  if (section.type == kNoBits) return std::span<const uint8_t>();
  if (section.offset > image.size() || section.size > image.size() - section.offset) return std::nullopt;
  return image.subspan(section.offset, section.size);
}

// The zero-terminated name at `offset` in the section name table, if it is there.
std::optional<std::string> sectionName(std::span<const uint8_t> names, uint32_t offset) {
  std::string name;
  for (size_t i = offset; i < names.size(); ++i) {
    if (names[i] == 0) return name;
    name.push_back(static_cast<char>(names[i]));
  }
  return std::nullopt;
}

}  // namespace

Parsed<std::vector<uint8_t>> findElfSection(std::span<const uint8_t> image, const std::string& name) {
  static constexpr uint8_t kMagic[] = {0x7F, 'E', 'L', 'F'};
  if (image.size() < 4 || !std::equal(std::begin(kMagic), std::end(kMagic), image.begin()))
    return parseError("not an ELF file");
  if (image.size() < kElfHeaderSize || image[4] != kClass64 || image[5] != kLittleEndian)
    return parseError("not a 64-bit little-endian ELF file");

  ByteReader reader(image);
  reader.seek(kSectionHeaderOffsetField);
  uint64_t tableOffset = reader.u64();
  reader.seek(kSectionHeaderSizeField);
  uint16_t entrySize = reader.u16();
  uint64_t count = reader.u16();
  uint32_t namesIndex = reader.u16();
  if (tableOffset == 0) return parseError(std::string(kNoResourceSection) + " (the file has no section table)");
  if (entrySize < kSectionHeaderSize) return parseError("damaged ELF file: bad section header size");
  if (tableOffset > image.size()) return parseError("damaged ELF file: section table outside the file");

  // Section 0 holds the real count and name table index when they do not fit the header.
  ByteReader first(image.subspan(tableOffset));
  SectionHeader zero = readSectionHeader(first);
  if (!first.ok()) return parseError("damaged ELF file: section table outside the file");
  if (count == 0) count = zero.size;
  if (namesIndex == kExtendedIndex) namesIndex = zero.link;
  if (count > (image.size() - tableOffset) / entrySize)
    return parseError("damaged ELF file: section table outside the file");

  auto header = [&](uint64_t index) {
    ByteReader at(image.subspan(tableOffset + index * entrySize, entrySize));
    return readSectionHeader(at);
  };
  if (namesIndex >= count) return parseError("damaged ELF file: no section name table");
  auto names = contents(image, header(namesIndex));
  if (!names) return parseError("damaged ELF file: section name table outside the file");

  for (uint64_t i = 0; i < count; ++i) {
    SectionHeader section = header(i);
    if (sectionName(*names, section.name) != name) continue;
    auto bytes = contents(image, section);
    if (!bytes) return parseError("damaged ELF file: section " + name + " lies outside the file");
    return std::vector<uint8_t>(bytes->begin(), bytes->end());
  }
  return parseError(std::string(kNoResourceSection) + " (" + name + ")");
}

Parsed<std::vector<uint8_t>> readElfSection(const std::string& path, const std::string& name) {
  auto image = readWholeFile(path);
  if (!image) return parseError(image.error());
  auto section = findElfSection(*image, name);
  if (!section) return parseError(path + ": " + section.error());
  return section;
}

}  // namespace easel
