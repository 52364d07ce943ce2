#include "easel/core/resources/PropertyList.h"

#include <algorithm>

#include "easel/core/resources/ByteReader.h"

namespace easel {
namespace {

constexpr size_t kPropertyHeaderSize = 16;

size_t paddedTo4(size_t n) { return (n + 3) / 4 * 4; }

const Property* findProperty(const PropertyList& list, const std::string& key) {
  for (const auto& property : list.properties)
    if (property.vendor == kPropertyVendor && property.key == key) return &property;
  return nullptr;
}

uint32_t number(const Property& property) { return ByteReader(property.data).u32(); }

}  // namespace

std::string fourCharCode(uint32_t code) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) text.push_back(static_cast<char>((code >> shift) & 0xFF));
  return text;
}

Parsed<PropertyList> decodePropertyList(std::span<const uint8_t> bytes) {
  ByteReader reader(bytes);
  PropertyList list;
  list.reserved = reader.u16();
  list.version = reader.u32();
  uint32_t count = reader.u32();
  if (!reader.ok()) return parseError("the property list header is truncated");
  if (count > reader.remaining() / kPropertyHeaderSize)
    return parseError("the property count (" + std::to_string(count) + ") does not fit the list");

  for (uint32_t i = 0; i < count; ++i) {
    Property property;
    property.vendor = fourCharCode(reader.u32());
    property.key = fourCharCode(reader.u32());
    property.id = reader.u32();
    uint32_t length = reader.u32();
    // The length normally includes the padding; take it when a writer left it out.
    size_t stored = length > reader.remaining() ? length : std::min(paddedTo4(length), reader.remaining());
    auto data = reader.bytes(stored);
    if (!reader.ok()) return parseError("property " + std::to_string(i + 1) + " is truncated");
    property.data.assign(data.begin(), data.end());
    list.properties.push_back(std::move(property));
  }
  return list;
}

Parsed<PropertyList> loadPropertyList(const ResourceSource& source, uint16_t id) {
  return loadResource<PropertyList>(source, kPropertyListType, id, "property list", decodePropertyList);
}

Parsed<PluginDescription> describePlugin(const PropertyList& list) {
  PluginDescription description;
  const Property* kind = findProperty(list, "kind");
  if (!kind) return parseError("the property list has no plug-in kind (kind)");
  if (kind->data.size() != 4) return parseError("the plug-in kind (kind) is not a four-character code");
  description.kind = fourCharCode(number(*kind));

  const Property* version = findProperty(list, "ivrs");
  if (!version) return parseError("the property list has no interface version (ivrs)");
  if (version->data.size() != 4) return parseError("the interface version (ivrs) is not a 32-bit number");
  description.interfaceVersion = number(*version);

  const Property* entry = findProperty(list, "wx86");
  if (!entry) return parseError("the property list has no Windows x86 entry point (wx86)");
  std::string name;
  for (uint8_t byte : entry->data) {
    if (byte == 0) {
      if (name.empty()) break;
      description.entryPoint = name;
      return description;
    }
    name.push_back(static_cast<char>(byte));
  }
  return parseError(name.empty() ? "the Windows x86 entry point (wx86) is empty"
                                 : "the Windows x86 entry point (wx86) has no terminating zero");
}

}  // namespace easel
