#include "Recovery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <system_error>

#include "easel/core/FileIo.h"

namespace easel::web {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMark = ".contour-recovery";
constexpr int kNamesTried = 100;  // names taken at the same second before giving up

std::string prefixOf(const fs::path& drawing) { return drawing.stem().string() + std::string(kMark); }

std::string timeText(std::chrono::system_clock::time_point when) {
  const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return text;
}

[[noreturn]] void fail(const fs::path& copy, const std::string& what, int error) {
  throw FileError(copy.string() + ": " + what + ": " + std::strerror(error));
}

// Every byte to a file descriptor, through interruptions.
void writeAll(int fd, std::string_view text, const fs::path& copy) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail(copy, "cannot write", n < 0 ? errno : ENOSPC);
    text.remove_prefix(static_cast<std::size_t>(n));
  }
}

// The copy is as private as the drawing: its permission bits, and its owner
// where the process may give it.
void matchDrawing(int fd, const fs::path& drawing, const fs::path& copy) {
  struct stat st {};
  if (::stat(drawing.c_str(), &st) != 0) return;  // gone: the umask's default stands
  if (::fchmod(fd, st.st_mode & 0777) != 0) fail(copy, "cannot give it the drawing's permissions", errno);
  if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
    // Only the owner's group, or nothing, may be ours to give.
  }
}

}  // namespace

fs::path writeRecoveryCopy(const fs::path& drawing, std::string_view text, std::chrono::system_clock::time_point when) {
  const std::string base = prefixOf(drawing) + "-" + timeText(when);
  for (int n = 1; n <= kNamesTried; ++n) {
    fs::path copy = drawing;
    copy.replace_filename(base + (n == 1 ? std::string() : "-" + std::to_string(n)) + ".svg");
    // A new file or nothing: whatever is at the name (a file, a link, a
    // FIFO) stays as it is, and the next name is tried.
    const int fd = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0 && errno == EEXIST) continue;
    if (fd < 0) fail(copy, "cannot be made", errno);
    try {
      matchDrawing(fd, drawing, copy);
      writeAll(fd, text, copy);
      if (::fsync(fd) != 0) fail(copy, "cannot be synced", errno);
    } catch (...) {
      ::close(fd);
      ::unlink(copy.c_str());
      throw;
    }
    if (::close(fd) != 0) fail(copy, "cannot write", errno);
    return copy;
  }
  throw FileError(drawing.string() + ": no recovery copy could be made: " + std::to_string(kNamesTried) +
                  " names for this second are taken");
}

std::vector<fs::path> recoveryCopies(const fs::path& drawing) {
  std::error_code error;
  const auto drawingTime = fs::last_write_time(drawing, error);
  const bool drawingKnown = !error;
  const std::string prefix = prefixOf(drawing);
  fs::path folder = drawing.parent_path();
  if (folder.empty()) folder = ".";
  std::vector<std::pair<fs::file_time_type, fs::path>> found;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    const bool ours = name.size() >= prefix.size() + 4 && name.compare(0, prefix.size(), prefix) == 0 &&
                      name.compare(name.size() - 4, 4, ".svg") == 0 &&
                      (name[prefix.size()] == '-' || name[prefix.size()] == '.');
    std::error_code entryError;
    if (!ours || !entry.is_regular_file(entryError)) continue;
    const auto copyTime = entry.last_write_time(entryError);
    if (!entryError && (!drawingKnown || copyTime > drawingTime)) found.emplace_back(copyTime, entry.path());
  }
  std::sort(found.begin(), found.end());
  std::vector<fs::path> copies;
  for (auto& [time, path] : found) copies.push_back(std::move(path));
  return copies;
}

std::optional<std::string> recoveryOffer(const fs::path& drawing) {
  const std::vector<fs::path> copies = recoveryCopies(drawing);
  if (copies.empty()) return std::nullopt;
  std::string names;
  for (const fs::path& copy : copies) names += (names.empty() ? "" : ", ") + copy.string();
  const bool one = copies.size() == 1;
  return names + (one ? " holds" : " hold") + " unsaved changes from an earlier session, newer than " +
         drawing.filename().string() + ": to go on from " + (one ? "it" : "one") + ", edit that file (contour edit " +
         copies.back().string() + ")";
}

}  // namespace easel::web
