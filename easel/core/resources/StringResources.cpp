#include "easel/core/resources/StringResources.h"

#include "easel/core/resources/ByteReader.h"
#include "easel/core/resources/Utf16.h"

namespace easel {

std::optional<std::string> loadString(const ResourceSource& source, uint16_t id) {
  constexpr unsigned kStringsPerBlock = 16;
  auto block = source.find(rt::String, static_cast<uint16_t>(id / kStringsPerBlock + 1));
  if (!block) return std::nullopt;

  ByteReader reader(*block);
  for (unsigned i = 0; i < id % kStringsPerBlock; ++i) reader.skip(size_t{reader.u16()} * 2);
  std::u16string text(reader.u16(), u'\0');
  for (auto& unit : text) unit = static_cast<char16_t>(reader.u16());
  if (!reader.ok() || text.empty()) return std::nullopt;
  return utf16ToUtf8(text);
}

std::vector<std::string> loadStringList(const ResourceSource& source, uint16_t listId) {
  std::vector<std::string> entries;
  for (uint32_t id = listId; id <= 0xFFFF; ++id) {
    auto text = loadString(source, static_cast<uint16_t>(id));
    if (!text) break;
    entries.push_back(std::move(*text));
  }
  return entries;
}

}  // namespace easel
