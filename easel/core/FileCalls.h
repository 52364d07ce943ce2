// The system calls under FileIo, one version for POSIX and one for Windows
// (the wide-character calls). Names are UTF-8; a call that fails returns the
// system's reason as text, one that works an empty string.
#ifndef EASEL_CORE_FILECALLS_H
#define EASEL_CORE_FILECALLS_H

#include <cstdint>
#include <optional>
#include <string>

namespace easel::files {

// This process's id, for names of temporary files no other process makes.
unsigned long processId();

// The running program's own file (empty when the system does not say).
std::string programFile();

// Makes an empty file at `path`, which must not exist yet: readable by the
// owner alone when `ownerOnly` (it will take the mode of the file it replaces).
std::string createNew(const std::string& path, bool ownerOnly);

// Gives `copy` the mode of `original` and, where the process may, its owner.
std::string keepModeAndOwner(const std::string& original, const std::string& copy);

// Puts a file's data, or a folder's entries, on the disk.
std::string syncFile(const std::string& path);
std::string syncFolder(const std::string& path);

// Renames `from` over `to`, replacing it in one step.
std::string replaceFile(const std::string& from, const std::string& to);

// Whether this process may write the existing file `path`.
bool mayWrite(const std::string& path);

// What tells one file from another whatever names it: the device and inode,
// or the volume's serial number and the file's index on Windows.
struct FileId {
  std::uint64_t device = 0, index = 0;
  bool operator==(const FileId&) const = default;
};
std::optional<FileId> fileId(const std::string& path);

}  // namespace easel::files

#endif
