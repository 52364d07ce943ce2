// Strings of a module's string tables. Strings are stored in blocks of 16:
// string id lives in block id / 16 + 1 at position id % 16, each a count of
// UTF-16 units followed by the units.
#ifndef EASEL_CORE_RESOURCES_STRINGRESOURCES_H
#define EASEL_CORE_RESOURCES_STRINGRESOURCES_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "easel/core/resources/ResourceSource.h"

namespace easel {

// The string as UTF-8; nullopt when it is missing or empty (the two are the
// same thing in a string table), or when its block is damaged.
std::optional<std::string> loadString(const ResourceSource& source, uint16_t id);

// A string list: entry i is string listId + i, from entry 0 up to (not
// including) the first missing one.
std::vector<std::string> loadStringList(const ResourceSource& source, uint16_t listId);

}  // namespace easel

#endif
