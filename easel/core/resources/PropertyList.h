// The plug-in property list (resource type "PIPL"): how the host recognises a
// library as a plug-in and finds its entry point. A reserved word (1), a list
// version, a property count, then the properties: vendor code, key code, id,
// data length and the data padded to 4 bytes. Four-character codes are 32-bit
// little-endian numbers whose most significant byte is the first character.
#ifndef EASEL_CORE_RESOURCES_PROPERTYLIST_H
#define EASEL_CORE_RESOURCES_PROPERTYLIST_H

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResourceSource.h"

namespace easel {

struct Property {
  std::string vendor;  // four characters in reading order, e.g. "ADBE"
  std::string key;     // e.g. "kind", "ivrs", "wx86"
  uint32_t id = 0;
  std::vector<uint8_t> data;  // as stored, padding included
};

struct PropertyList {
  uint16_t reserved = 0;
  uint32_t version = 0;
  std::vector<Property> properties;
};

// What the host needs to know from the list.
struct PluginDescription {
  std::string kind;               // e.g. "SPEA"
  uint32_t interfaceVersion = 0;  // e.g. 2
  std::string entryPoint;         // the Windows x86 entry point, e.g. "PluginMain"
};

inline constexpr const char* kPropertyListType = "PIPL";
inline constexpr const char* kPropertyVendor = "ADBE";

Parsed<PropertyList> decodePropertyList(std::span<const uint8_t> bytes);
Parsed<PropertyList> loadPropertyList(const ResourceSource& source, uint16_t id);

// Checks that the list names the kind ("kind"), the interface version
// ("ivrs") and the Windows x86 entry point ("wx86"), or says what is wrong.
Parsed<PluginDescription> describePlugin(const PropertyList& list);

// The four characters of a code stored as a 32-bit number, in reading order.
std::string fourCharCode(uint32_t code);

}  // namespace easel

#endif
