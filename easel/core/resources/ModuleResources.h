// The compiled resources a module carries, whichever way it carries them: in
// the ".contour_rsrc" section of its ELF file (read from the file, before any
// of its code runs), or in the table it exports (plugin/host/ResourceTable.h)
// where the object format has no such section. Both give the bytes of a
// compiled resource file, read by one ResFile. (Windows modules carry Windows
// resources, which the system reads: ModuleWindows.cpp.)
#ifndef EASEL_CORE_RESOURCES_MODULERESOURCES_H
#define EASEL_CORE_RESOURCES_MODULERESOURCES_H

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "easel/core/resources/Parsed.h"
#include "easel/core/resources/ResFile.h"
#include "plugin/host/ResourceTable.h"

namespace easel {

// The resources of the module file `image` (read from `path`) from its
// section; std::nullopt when the file is ELF but has no such section, so that
// the caller asks the loaded module for its table. Errors name the file.
std::optional<Parsed<ResFile>> resourcesFromSection(const std::string& path, std::span<const uint8_t> image);

// The resources the module's exported table gives. Errors name the file.
Parsed<ResFile> resourcesFromTable(const std::string& path, PluginResourceTableProc table);

}  // namespace easel

#endif
