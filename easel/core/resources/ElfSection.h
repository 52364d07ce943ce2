// Reads one named section out of a 64-bit little-endian ELF file (the Linux
// plug-in module carries its compiled resources in ".contour_rsrc").
// Plain byte parsing with bounds checks, so it works on any build platform.
#ifndef EASEL_CORE_RESOURCES_ELFSECTION_H
#define EASEL_CORE_RESOURCES_ELFSECTION_H

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "easel/core/resources/Parsed.h"

namespace easel {

// The name of the section that holds a module's compiled resources.
inline constexpr const char* kResourceSectionName = ".contour_rsrc";
// How the message for a file without that section starts.
inline constexpr const char* kNoResourceSection = "no resource section";

// The bytes of section `name`, or what is wrong: "not an ELF file",
// "not a 64-bit little-endian ELF file", "no resource section" or damage.
Parsed<std::vector<uint8_t>> findElfSection(std::span<const uint8_t> image, const std::string& name);
Parsed<std::vector<uint8_t>> readElfSection(const std::string& path, const std::string& name);

}  // namespace easel

#endif
