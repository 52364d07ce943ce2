// Which file a name stands for, so that two names of one file (a link, a hard
// link, "a/../b") are told apart from two files. The one place that asks the
// file system; the rest compares identities.
#ifndef EASEL_CORE_FILEIDENTITY_H
#define EASEL_CORE_FILEIDENTITY_H

#include <cstdint>
#include <optional>
#include <string>

namespace easel {

struct FileIdentity {
  enum class Kind { Regular, Other, NotThere };
  Kind kind = Kind::NotThere;
  // The file's device and inode; for a name not made yet, those of the
  // nearest folder above it that is there.
  std::uint64_t device = 0, inode = 0;
  // For a name not made yet, the path below that folder; where the system
  // has no inodes, the full name.
  std::string rest;

  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` names, symbolic links followed (a dangling
// link names the file it would make); none for standard input or output
// ("-") or when no folder on the way can be looked at.
std::optional<FileIdentity> fileIdentity(const std::string& path);

// `path` with the symbolic links of its last part followed, so that writing
// there replaces the link's target and keeps the link.
std::string followLinks(const std::string& path);

}  // namespace easel

#endif
