// The file calls on POSIX systems.
#if !defined(_WIN32)

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "FileCalls.h"

namespace easel::files {

namespace {

std::string lastError() { return std::strerror(errno); }

std::string syncPath(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) return lastError();
  const bool ok = ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  // Some file systems cannot sync a folder, and say so with EINVAL.
  return ok || error == EINVAL ? std::string() : std::strerror(error);
}

}  // namespace

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

std::string programFile() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : self.string();
}

std::string createNew(const std::string& path, bool ownerOnly) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, ownerOnly ? 0600 : 0666);
  if (fd < 0) return lastError();
  ::close(fd);
  return {};
}

std::string keepModeAndOwner(const std::string& original, const std::string& copy) {
  struct stat old {};
  if (::stat(original.c_str(), &old) != 0) return {};
  if (::chmod(copy.c_str(), old.st_mode & 07777) != 0) return lastError();
  if (::chown(copy.c_str(), old.st_uid, old.st_gid) != 0) {
    // Only the owner's group, or nothing, may be ours to give.
  }
  return {};
}

std::string syncFile(const std::string& path) { return syncPath(path, O_RDONLY); }
std::string syncFolder(const std::string& path) { return syncPath(path, O_RDONLY | O_DIRECTORY); }

std::string replaceFile(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? std::string() : lastError();
}

bool mayWrite(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

std::optional<FileId> fileId(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return FileId{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino)};
}

}  // namespace easel::files

#endif
