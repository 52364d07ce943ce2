#include "FileIdentity.h"

#include <cerrno>
#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace easel {

namespace fs = std::filesystem;

std::string followLinks(const std::string& path) {
  fs::path p(path);
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path to = fs::read_symlink(p, ec);
    if (ec) break;
    p = to.is_absolute() ? to : p.parent_path() / to;
  }
  return p.string();
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

// No inodes to ask for here: the full name, links resolved, stands for the file.
std::optional<FileIdentity> fileIdentity(const std::string& path) {
  if (path.empty() || path == "-") return std::nullopt;
  std::error_code ec;
  const fs::path target = followLinks(path);
  FileIdentity id;
  id.rest = fs::weakly_canonical(target, ec).string();
  if (ec) return std::nullopt;
  const fs::file_status status = fs::status(target, ec);
  id.kind = !fs::exists(status)           ? FileIdentity::Kind::NotThere
            : fs::is_regular_file(status) ? FileIdentity::Kind::Regular
                                          : FileIdentity::Kind::Other;
  return id;
}

#endif

}  // namespace easel
