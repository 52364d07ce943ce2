// ResourceSource: where the easel finds a module's resources by type and id.
// The compiled .res (ResFile) is one source; a loader that asks the operating
// system for a loaded library's resources is another.
#ifndef EASEL_CORE_RESOURCES_RESOURCESOURCE_H
#define EASEL_CORE_RESOURCES_RESOURCESOURCE_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResId.h"

namespace easel {

struct Resource {
  std::vector<uint8_t> data;
  uint16_t language = 0;  // e.g. 1033, US English
};

class ResourceSource {
 public:
  virtual ~ResourceSource() = default;

  // The resource of this type and id, in the first language that has it.
  virtual std::optional<Resource> findResource(const ResId& type, const ResId& id) const = 0;

  // Just its bytes.
  std::optional<std::vector<uint8_t>> find(const ResId& type, const ResId& id) const;
};

// Finds a resource and decodes it, or says which one is missing ("no dialog 16050")
// or what is wrong with it ("dialog 16050: ...").
template <typename T, typename Decoder>
Parsed<T> loadResource(const ResourceSource& source, const ResId& type, const ResId& id, const char* what,
                       Decoder decode) {
  auto found = source.find(type, id);
  std::string name = std::string(what) + " " + (id.isOrdinal() ? std::to_string(id.ordinal()) : id.toString());
  if (!found) return parseError("no " + name);
  Parsed<T> decoded = decode(std::span<const uint8_t>(*found));
  if (!decoded) return parseError(name + ": " + decoded.error());
  return decoded;
}

}  // namespace easel

#endif
