#include "FileIdentity.h"

#include <cerrno>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#else
#include <algorithm>

#include "FileCalls.h"
#endif

#include "FileName.h"

namespace easel {

namespace fs = std::filesystem;

std::string followLinks(const std::string& path) {
  fs::path p = pathFromUtf8(path);
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return utf8FromPath(p);
}

#ifndef _WIN32

std::optional<FileIdentity> fileIdentity(const std::string& path) {
  if (path.empty() || path == "-") return std::nullopt;
  fs::path there = followLinks(path);
  fs::path below;  // the part of the name not made yet
  for (int depth = 0; depth < 4096; ++depth) {
    struct stat st {};
    if (::stat(there.c_str(), &st) == 0) {
      FileIdentity id;
      id.device = static_cast<std::uint64_t>(st.st_dev);
      id.inode = static_cast<std::uint64_t>(st.st_ino);
      if (below.empty()) {
        id.kind = S_ISREG(st.st_mode) ? FileIdentity::Kind::Regular : FileIdentity::Kind::Other;
      } else {
        id.rest = below.lexically_normal().generic_string();
      }
      return id;
    }
    if (errno != ENOENT) return std::nullopt;  // a folder we may not look into
    fs::path parent = there.parent_path();
    if (parent.empty()) parent = ".";
    if (parent == there) return std::nullopt;
    below = there.filename() / below;
    there = parent;
  }
  return std::nullopt;
}

#else

// The volume's serial number and the file's index stand for the inode; a
// name not made yet is compared in one case, as Windows's file systems do.
std::optional<FileIdentity> fileIdentity(const std::string& path) {
  if (path.empty() || path == "-") return std::nullopt;
  fs::path there = pathFromUtf8(followLinks(path));
  fs::path below;  // the part of the name not made yet
  for (int depth = 0; depth < 4096; ++depth) {
    std::error_code ec;
    const fs::file_status status = fs::status(there, ec);
    if (fs::exists(status)) {
      const std::optional<files::FileId> known = files::fileId(utf8FromPath(there));
      if (!known) return std::nullopt;
      FileIdentity id;
      id.device = known->device;
      id.inode = known->index;
      if (below.empty()) {
        id.kind = fs::is_regular_file(status) ? FileIdentity::Kind::Regular : FileIdentity::Kind::Other;
      } else {
        const std::u8string rest = below.lexically_normal().generic_u8string();
        id.rest.assign(rest.begin(), rest.end());
        std::transform(id.rest.begin(), id.rest.end(), id.rest.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
      }
      return id;
    }
    if (status.type() != fs::file_type::not_found) return std::nullopt;  // a folder we may not look into
    fs::path parent = there.parent_path();
    if (parent.empty()) parent = ".";
    if (parent == there) return std::nullopt;
    below = there.filename() / below;
    there = parent;
  }
  return std::nullopt;
}

#endif

}  // namespace easel
