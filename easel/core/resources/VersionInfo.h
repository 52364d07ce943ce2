// The version record (VS_VERSIONINFO): fixed numbers plus string tables by
// language and code page, and the list of translations.
#ifndef EASEL_CORE_RESOURCES_VERSIONINFO_H
#define EASEL_CORE_RESOURCES_VERSIONINFO_H

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

struct VersionStringTable {
  std::string languageCodePage;                              // eight hex digits, e.g. "080904b0"
  std::vector<std::pair<std::string, std::string>> strings;  // key, value in file order

  std::optional<std::string> find(const std::string& key) const;
};

struct VersionInfo {
  std::array<uint16_t, 4> fileVersion{};  // most significant first: 18.3.0.0 is {18, 3, 0, 0}
  std::array<uint16_t, 4> productVersion{};
  uint32_t flagsMask = 0;
  uint32_t flags = 0;
  uint32_t os = 0;
  uint32_t fileType = 0;
  uint32_t fileSubtype = 0;
  std::vector<VersionStringTable> stringTables;
  std::vector<std::pair<uint16_t, uint16_t>> translations;  // language, code page

  const VersionStringTable* table(const std::string& languageCodePage) const;
};

Parsed<VersionInfo> decodeVersionInfo(std::span<const uint8_t> bytes);
Parsed<VersionInfo> loadVersionInfo(const ResourceSource& source, uint16_t id = 1);

}  // namespace easel

#endif
