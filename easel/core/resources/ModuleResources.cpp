#include "easel/core/resources/ModuleResources.h"

#include "easel/core/resources/ElfSection.h"

namespace easel {

namespace {

Parsed<ResFile> parsed(const std::string& path, std::span<const uint8_t> bytes) {
  auto resources = ResFile::parse(bytes);
  if (!resources) return parseError(path + ": damaged resources: " + resources.error());
  return resources;
}

}  // namespace

std::optional<Parsed<ResFile>> resourcesFromSection(const std::string& path, std::span<const uint8_t> image) {
  auto section = findElfSection(image, kResourceSectionName);
  if (section) return parsed(path, *section);
  if (section.error().rfind(kNoResourceSection, 0) == 0) return std::nullopt;
  return parseError(path + ": " + section.error());
}

Parsed<ResFile> resourcesFromTable(const std::string& path, PluginResourceTableProc table) {
  const uint8_t* bytes = nullptr;
  uint32_t size = 0;
  if (table(&bytes, &size) != kNoErr || bytes == nullptr)
    return parseError(path + ": its resource table gives nothing");
  return parsed(path, std::span<const uint8_t>(bytes, size));
}

}  // namespace easel
