#include "easel/core/resources/ResFile.h"

#include "easel/core/FileIo.h"
#include "easel/core/resources/ByteReader.h"

namespace easel {
namespace {

constexpr size_t kFixedHeaderFields = 16;  // data version .. characteristics
constexpr size_t kEmptyHeaderSize = 32;

std::string at(size_t offset) { return " at offset " + std::to_string(offset); }

// Reads the header fields after the two sizes; `header` spans the whole header.
Parsed<ResEntry> readHeader(std::span<const uint8_t> header, size_t offset) {
  ByteReader reader(header);
  reader.skip(8);
  ResEntry entry;
  entry.type = readResId(reader);
  entry.name = readResId(reader);
  reader.alignTo(4);
  entry.dataVersion = reader.u32();
  entry.memoryFlags = reader.u16();
  entry.language = reader.u16();
  entry.version = reader.u32();
  entry.characteristics = reader.u32();
  if (!reader.ok()) return parseError("resource header" + at(offset) + " is damaged");
  return entry;
}

bool isEmptyEntry(const ResEntry& entry, uint32_t dataSize, uint32_t headerSize) {
  return dataSize == 0 && headerSize == kEmptyHeaderSize && entry.type == ResId(uint16_t{0}) &&
         entry.name == ResId(uint16_t{0});
}

}  // namespace

Parsed<ResFile> ResFile::parse(std::span<const uint8_t> bytes) {
  ResFile file;
  ByteReader reader(bytes);
  bool first = true;
  while (!reader.atEnd()) {
    size_t offset = reader.position();
    uint32_t dataSize = reader.u32();
    uint32_t headerSize = reader.u32();
    if (!reader.ok()) return parseError("truncated resource header" + at(offset));
    if (headerSize < 8 + 4 + kFixedHeaderFields || headerSize > bytes.size() - offset)
      return parseError("resource header" + at(offset) + " has a bad size");
    if (dataSize > bytes.size() - offset - headerSize)
      return parseError("resource data" + at(offset) + " runs past the end of the file");

    auto entry = readHeader(bytes.subspan(offset, headerSize), offset);
    if (!entry) return parseError(entry.error());
    if (first) {
      if (!isEmptyEntry(*entry, dataSize, headerSize))
        return parseError("not a resource file: it does not start with an empty entry");
      first = false;
    } else {
      auto data = bytes.subspan(offset + headerSize, dataSize);
      entry.value().data.assign(data.begin(), data.end());
      file.entries_.push_back(std::move(entry).value());
    }
    reader.seek(offset + headerSize + dataSize);
    reader.alignTo(4);
  }
  if (first) return parseError("not a resource file: it is empty");
  return file;
}

Parsed<ResFile> ResFile::load(const std::string& path) {
  auto bytes = readWholeFile(path);
  if (!bytes) return parseError(bytes.error());
  auto file = parse(*bytes);
  if (!file) return parseError(path + ": " + file.error());
  return file;
}

std::optional<Resource> ResFile::findResource(const ResId& type, const ResId& id) const {
  for (const auto& entry : entries_)
    if (entry.type == type && entry.name == id) return Resource{entry.data, entry.language};
  return std::nullopt;
}

Parsed<std::vector<uint8_t>> readWholeFile(const std::string& path) {
  try {
    const std::string text = readLimited(path, kModuleReadLimit);
    return std::vector<uint8_t>(text.begin(), text.end());
  } catch (const FileError& e) {
    return parseError(e.what());
  }
}

}  // namespace easel
