// Which files of the drawing's folder the page may name. Whoever holds the
// session may read and write only where the user's drawing already is: a
// plain name in the opened drawing's folder, the folder checked with its
// links resolved, so that a folder link or ".." cannot lead elsewhere.
#ifndef EASEL_WEB_FOLDERTARGET_H
#define EASEL_WEB_FOLDERTARGET_H

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace easel::web {

// What a name is for: the command that says why one is refused, what it
// does to the file, and the extensions it takes (lower case, with the dot).
struct FolderUse {
  std::string_view command;  // "Save As"
  std::string_view does;     // "writes"
  std::string_view kinds;    // "SVG"
  std::span<const std::string_view> extensions;
};
inline constexpr std::string_view kDrawingEndings[] = {".svg", ".svgz"};
inline constexpr std::string_view kPngEndings[] = {".png"};
inline constexpr FolderUse kSaveAs{"Save As", "writes", "SVG", kDrawingEndings};
inline constexpr FolderUse kOpen{"Open", "reads", "SVG", kDrawingEndings};
inline constexpr FolderUse kExportPng{"Export", "writes", "PNG", kPngEndings};
inline constexpr FolderUse kExportSvg{"Export", "writes", "SVG", std::span(kDrawingEndings).first(1)};

// The file for the name the page sent, or BadRequest (HostRequest.h) with
// one line saying why not: a name ending in one of the use's extensions,
// with no control characters, whose folder, links resolved, is `folder`
// itself, and that is not a link (which would be read or written through
// to wherever it points).
std::filesystem::path folderTarget(const std::string& name, const std::filesystem::path& folder, const FolderUse& use);
inline std::filesystem::path saveAsTarget(const std::string& name, const std::filesystem::path& folder) {
  return folderTarget(name, folder, kSaveAs);
}

// A drawing the folder holds, as Open and Save As list them.
struct DrawingFile {
  std::string name;
  uint64_t bytes = 0;
  int64_t modified = 0;  // seconds since 1970
};

// The plain (not linked) SVG and SVGZ files of the folder, by name.
std::vector<DrawingFile> drawingsIn(const std::filesystem::path& folder);

}  // namespace easel::web

#endif
