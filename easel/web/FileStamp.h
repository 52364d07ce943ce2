// What the editor knows of the file on disk that it read or last saved: which
// file it is (device and inode), its size and modification time, and a hash of
// its bytes. A Save that would replace a file someone else changed since is
// then noticed, and asked about, instead of silently undoing their work.
#ifndef EASEL_WEB_FILESTAMP_H
#define EASEL_WEB_FILESTAMP_H

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace easel::web {

struct FileStamp {
  uint64_t device = 0, inode = 0, size = 0;
  int64_t modifiedNs = 0;
  uint64_t hash = 0;  // of the bytes, for a change that keeps size and time (a coarse clock)

  // The same file with the same size and time; the hash is not compared.
  bool sameMetadata(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size && modifiedNs == other.modifiedNs;
  }
};

uint64_t contentHash(std::string_view bytes);

// The file at `path` as it is now, its hash that of `bytes` (what was just
// read or written); none when there is no file there.
std::optional<FileStamp> stampWith(const std::string& path, std::string_view bytes);
// The file as it is now, its bytes read for the hash.
std::optional<FileStamp> stampOf(const std::string& path);

// Whether the file at `path` is no longer the one `kept` describes: another
// file put in its place, or the same one written since. The metadata is
// looked at first (cheap enough for every answer); `readContent` also
// compares the bytes when the metadata matches. A file that is gone has
// nothing to lose: not changed.
bool changedOnDisk(const std::optional<FileStamp>& kept, const std::string& path, bool readContent);

}  // namespace easel::web

#endif
