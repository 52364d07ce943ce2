// ResFile: the resources of a compiled resource file (.res): a sequence of
// entries, each a header (data size, header size, type, name, data version,
// memory flags, language, version, characteristics) followed by the data,
// both padded to 4 bytes. The file starts with an empty 32-byte entry.
#ifndef EASEL_CORE_RESOURCES_RESFILE_H
#define EASEL_CORE_RESOURCES_RESFILE_H

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResId.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

struct ResEntry {
  ResId type = ResId(uint16_t{0});
  ResId name = ResId(uint16_t{0});
  uint32_t dataVersion = 0;
  uint16_t memoryFlags = 0;
  uint16_t language = 0;
  uint32_t version = 0;
  uint32_t characteristics = 0;
  std::vector<uint8_t> data;
};

class ResFile : public ResourceSource {
 public:
  static Parsed<ResFile> parse(std::span<const uint8_t> bytes);
  static Parsed<ResFile> load(const std::string& path);

  // Without the leading empty entry.
  const std::vector<ResEntry>& entries() const { return entries_; }

  std::optional<Resource> findResource(const ResId& type, const ResId& id) const override;

 private:
  std::vector<ResEntry> entries_;
};

// A plug-in module is read whole to find its resources, at most this much.
inline constexpr std::size_t kModuleReadLimit = std::size_t{256} << 20;
// The whole file, or an error naming it.
Parsed<std::vector<uint8_t>> readWholeFile(const std::string& path);

}  // namespace easel

#endif
