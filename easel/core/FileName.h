// File names are UTF-8 text everywhere in the easel; a name becomes the
// platform's own form (UTF-16 on Windows) only on its way to a call, so that
// names in any script, drive letters and UNC names pass unchanged.
#ifndef EASEL_CORE_FILENAME_H
#define EASEL_CORE_FILENAME_H

#include <filesystem>
#include <string>
#include <string_view>

namespace easel {

// The path named by UTF-8 text. (A path made straight from a std::string
// reads it in the system's ANSI code page on Windows.)
std::filesystem::path pathFromUtf8(std::string_view name);

// A path's name as UTF-8 text.
std::string utf8FromPath(const std::filesystem::path& path);

// Whether the last part of `name` is one that Windows keeps for a device
// wherever it stands (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9), with
// any extension and in any case: "nul.svg" is the device too.
bool isWindowsDeviceName(std::string_view name);

}  // namespace easel

#endif
