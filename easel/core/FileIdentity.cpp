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

namespace {

enum class Look { Found, NotThere, Refused };

#ifndef _WIN32

// What is at `there`: its device and inode and whether it is a plain file.
Look lookAt(const fs::path& there, FileIdentity& id) {
  struct stat st {};
  if (::stat(there.c_str(), &st) != 0) return errno == ENOENT ? Look::NotThere : Look::Refused;
  id.device = static_cast<std::uint64_t>(st.st_dev);
  id.inode = static_cast<std::uint64_t>(st.st_ino);
  id.kind = S_ISREG(st.st_mode) ? FileIdentity::Kind::Regular : FileIdentity::Kind::Other;
  return Look::Found;
}

std::string restOfName(const fs::path& below) { return below.lexically_normal().generic_string(); }

#else

// The volume's serial number and the file's index stand for the inode.
Look lookAt(const fs::path& there, FileIdentity& id) {
  std::error_code ec;
  const fs::file_status status = fs::status(there, ec);
  if (!fs::exists(status)) return status.type() == fs::file_type::not_found ? Look::NotThere : Look::Refused;
  const std::optional<files::FileId> known = files::fileId(utf8FromPath(there));
  if (!known) return Look::Refused;
  id.device = known->device;
  id.inode = known->index;
  id.kind = fs::is_regular_file(status) ? FileIdentity::Kind::Regular : FileIdentity::Kind::Other;
  return Look::Found;
}

// A name not made yet is compared in one case, as Windows's file systems do.
std::string restOfName(const fs::path& below) {
  const std::u8string rest = below.lexically_normal().generic_u8string();
  std::string folded(rest.begin(), rest.end());
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  return folded;
}

#endif

}  // namespace

// A name not made yet is known by the nearest folder above it that is there,
// and the rest of the name below that folder.
std::optional<FileIdentity> fileIdentity(const std::string& path) {
  if (path.empty() || path == "-") return std::nullopt;
  fs::path there = pathFromUtf8(followLinks(path));
  fs::path below;  // the part of the name not made yet
  for (int depth = 0; depth < 4096; ++depth) {
    FileIdentity id;
    const Look look = lookAt(there, id);
    if (look == Look::Refused) return std::nullopt;  // a folder we may not look into
    if (look == Look::Found) {
      if (!below.empty()) {
        id.kind = FileIdentity::Kind::NotThere;
        id.rest = restOfName(below);
      }
      return id;
    }
    fs::path parent = there.parent_path();
    if (parent.empty()) parent = ".";
    if (parent == there) return std::nullopt;
    below = there.filename() / below;
    there = parent;
  }
  return std::nullopt;
}

}  // namespace easel
