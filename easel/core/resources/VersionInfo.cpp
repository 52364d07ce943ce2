#include "easel/core/resources/VersionInfo.h"

#include <algorithm>

#include "easel/core/resources/ByteReader.h"
#include "easel/core/resources/Utf16.h"

namespace easel {
namespace {

constexpr uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr size_t kFixedInfoSize = 52;
constexpr uint16_t kTextValue = 1;

// Every block of the record has the same shape: length, value length, type,
// key, the value, then child blocks, each part aligned to 4 bytes. Blocks
// start aligned, so alignment counted from a block's start is the record's.
struct Block {
  size_t length = 0;
  std::string key;
  std::span<const uint8_t> value;
  std::span<const uint8_t> valueToEnd;  // the value and whatever follows it in the block
  std::span<const uint8_t> children;
};

Parsed<Block> readBlock(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  Block block;
  block.length = reader.u16();
  uint16_t valueLength = reader.u16();
  uint16_t type = reader.u16();
  if (!reader.ok() || block.length < 6 || block.length > bytes.size()) return parseError("a block has a bad length");

  reader = ByteReader(bytes.first(block.length));
  reader.skip(6);
  block.key = utf16ToUtf8(reader.zeroTerminatedUtf16());
  reader.alignTo(4);
  if (!reader.ok()) return parseError("the key of a block is cut short");

  // Text value lengths count UTF-16 units.
  size_t valueBytes = std::min(type == kTextValue ? size_t{valueLength} * 2 : valueLength, reader.remaining());
  block.valueToEnd = bytes.subspan(reader.position(), reader.remaining());
  block.value = reader.bytes(valueBytes);
  reader.alignTo(4);
  block.children = bytes.subspan(reader.position(), reader.remaining());
  return block;
}

// The blocks that fill `bytes` one after another.
Parsed<std::vector<Block>> readChildren(std::span<const uint8_t> bytes) {
  std::vector<Block> blocks;
  ByteReader reader(bytes);
  while (!reader.atEnd()) {
    auto block = readBlock(bytes.subspan(reader.position()));
    if (!block) return parseError(block.error());
    reader.skip(block->length);
    reader.alignTo(4);
    blocks.push_back(std::move(block).value());
  }
  return blocks;
}

std::string textValue(std::span<const uint8_t> value) {
  ByteReader reader(value);
  std::u16string text;
  while (reader.remaining() >= 2) {
    auto unit = static_cast<char16_t>(reader.u16());
    if (unit == 0) break;
    text.push_back(unit);
  }
  return utf16ToUtf8(text);
}

std::array<uint16_t, 4> versionNumbers(uint32_t mostSignificant, uint32_t leastSignificant) {
  return {static_cast<uint16_t>(mostSignificant >> 16), static_cast<uint16_t>(mostSignificant),
          static_cast<uint16_t>(leastSignificant >> 16), static_cast<uint16_t>(leastSignificant)};
}

Parsed<VersionInfo> readFixedInfo(std::span<const uint8_t> value) {
  if (value.size() < kFixedInfoSize) return parseError("the fixed version numbers are missing");
  ByteReader reader(value);
  if (reader.u32() != kFixedInfoSignature) return parseError("the fixed version numbers have a bad signature");
  reader.skip(4);  // structure version
  VersionInfo info;
  uint32_t fileMs = reader.u32(), fileLs = reader.u32();
  uint32_t productMs = reader.u32(), productLs = reader.u32();
  info.fileVersion = versionNumbers(fileMs, fileLs);
  info.productVersion = versionNumbers(productMs, productLs);
  info.flagsMask = reader.u32();
  info.flags = reader.u32();
  info.os = reader.u32();
  info.fileType = reader.u32();
  info.fileSubtype = reader.u32();
  return info;
}

// Tables of strings, one per language and code page. Writers disagree on
// whether a text's length counts its terminator, so a string is read from
// its value's start up to the first zero.
// Returns what is wrong, or nothing.
std::string readStringFileInfo(const Block& fileInfo, VersionInfo& info) {
  auto tables = readChildren(fileInfo.children);
  if (!tables) return tables.error();
  for (const auto& table : *tables) {
    auto entries = readChildren(table.children);
    if (!entries) return entries.error();
    VersionStringTable strings{table.key, {}};
    for (const auto& entry : *entries) strings.strings.emplace_back(entry.key, textValue(entry.valueToEnd));
    info.stringTables.push_back(std::move(strings));
  }
  return {};
}

std::string readVarFileInfo(const Block& fileInfo, VersionInfo& info) {
  auto vars = readChildren(fileInfo.children);
  if (!vars) return vars.error();
  for (const auto& var : *vars) {
    if (var.key != "Translation") continue;
    ByteReader reader(var.value);
    while (reader.remaining() >= 4) {
      uint16_t language = reader.u16();
      info.translations.emplace_back(language, reader.u16());
    }
  }
  return {};
}

}  // namespace

std::optional<std::string> VersionStringTable::find(const std::string& key) const {
  for (const auto& [k, v] : strings)
    if (k == key) return v;
  return std::nullopt;
}

const VersionStringTable* VersionInfo::table(const std::string& languageCodePage) const {
  for (const auto& t : stringTables)
    if (t.languageCodePage == languageCodePage) return &t;
  return nullptr;
}

Parsed<VersionInfo> decodeVersionInfo(std::span<const uint8_t> bytes) {
  auto root = readBlock(bytes);
  if (!root) return parseError(root.error());
  if (root->key != "VS_VERSION_INFO") return parseError("not a version record");
  auto info = readFixedInfo(root->value);
  if (!info) return info;
  auto children = readChildren(root->children);
  if (!children) return parseError(children.error());
  for (const auto& child : *children) {
    std::string wrong;
    if (child.key == "StringFileInfo") wrong = readStringFileInfo(child, info.value());
    if (child.key == "VarFileInfo") wrong = readVarFileInfo(child, info.value());
    if (!wrong.empty()) return parseError(child.key + ": " + wrong);
  }
  return info;
}

Parsed<VersionInfo> loadVersionInfo(const ResourceSource& source, uint16_t id) {
  return loadResource<VersionInfo>(source, rt::Version, id, "version record", decodeVersionInfo);
}

}  // namespace easel
