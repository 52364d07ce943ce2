#include "FileStamp.h"

#include <sys/stat.h>

#include <cstddef>
#include <limits>

#include "easel/core/FileIo.h"

namespace easel::web {

namespace {

std::optional<FileStamp> statOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  FileStamp stamp;
  stamp.device = static_cast<uint64_t>(st.st_dev);
  stamp.inode = static_cast<uint64_t>(st.st_ino);
  stamp.size = static_cast<uint64_t>(st.st_size);
  stamp.modifiedNs = static_cast<int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  return stamp;
}

// A drawing is read whole when it is opened; reading it again for the hash
// has no lower limit to keep (and a 32-bit size_t, the page's, no room for 2^32).
std::string bytesOf(const std::string& path) { return readLimited(path, std::numeric_limits<std::size_t>::max()); }

}  // namespace

// FNV-1a: not a defence against someone forging a file, which a user who may
// write the drawing need not do, but enough to tell two versions apart.
uint64_t contentHash(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325u;
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
  return hash;
}

std::optional<FileStamp> stampWith(const std::string& path, std::string_view bytes) {
  std::optional<FileStamp> stamp = statOf(path);
  if (stamp) stamp->hash = contentHash(bytes);
  return stamp;
}

std::optional<FileStamp> stampOf(const std::string& path) {
  try {
    return stampWith(path, bytesOf(path));
  } catch (const FileError&) {
    return std::nullopt;
  }
}

bool changedOnDisk(const std::optional<FileStamp>& kept, const std::string& path, bool readContent) {
  const std::optional<FileStamp> now = statOf(path);
  if (!now) return false;
  if (!kept || !now->sameMetadata(*kept)) return true;
  if (!readContent) return false;
  try {
    return contentHash(bytesOf(path)) != kept->hash;
  } catch (const FileError&) {
    return true;  // there, but not readable as it was: not the file we read
  }
}

}  // namespace easel::web
