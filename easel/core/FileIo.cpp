#include "FileIo.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace easel {

namespace fs = std::filesystem;

namespace {

std::string sizeText(std::size_t bytes) {
  if (bytes % (std::size_t{1} << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  return std::to_string(bytes) + " bytes";
}

std::string displayName(const std::string& path) { return path == "-" ? std::string("<stdin>") : path; }

[[noreturn]] void failWith(const std::string& path, const std::string& what, int error) {
  throw FileError(path + ": " + what + (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
}

// `expected`: the file's size when known, taken at once so that a large file
// is not copied again and again as the text grows.
std::string readStream(std::istream& in, const std::string& name, std::size_t limit, std::size_t expected = 0) {
  std::string text;
  text.reserve(std::min(expected, limit));
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    const auto n = static_cast<std::size_t>(in.gcount());
    if (text.size() + n > limit) throw FileError(name + ": larger than the limit of " + sizeText(limit));
    text.append(chunk, n);
  }
  if (in.bad()) failWith(name, "cannot read the file", 0);
  return text;
}

// Follows symbolic links to the file they name (a dangling link: the path it
// would create), so that the link itself stays.
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

std::string uniqueSuffix() {
  static std::atomic<unsigned> counter{0};
#ifdef _WIN32
  const long pid = 0;
#else
  const long pid = static_cast<long>(::getpid());
#endif
  return ".tmp-" + std::to_string(pid) + "-" + std::to_string(++counter);
}

#ifndef _WIN32
void syncPath(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0) failWith(path, "cannot be synced", errno);
  const bool ok = ::fsync(fd) == 0;
  const int error = errno;
  ::close(fd);
  if (!ok && error != EINVAL) failWith(path, "cannot be synced", error);
}
#endif

}  // namespace

std::string readLimited(const std::string& path, std::size_t limit) {
  if (path == "-") return readStream(std::cin, displayName(path), limit);
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (fs::is_directory(status)) failWith(path, "is a folder, not a file", 0);
  std::size_t expected = 0;
  if (fs::is_regular_file(status)) {
    const auto size = fs::file_size(path, ec);
    if (!ec && size > limit) throw FileError(path + ": larger than the limit of " + sizeText(limit));
    if (!ec) expected = static_cast<std::size_t>(size);
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) failWith(path, "cannot open the file", 0);
  return readStream(in, path, limit, expected);
}

PendingOutput::PendingOutput(const std::string& path) : path_(path) {
  if (path == "-") {
    out_ = &std::cout;
    return;
  }
  target_ = followLinks(path);
  std::error_code ec;
  const fs::file_status status = fs::status(target_, ec);
  const bool exists = fs::exists(status);
  if (fs::is_directory(status)) failWith(path, "is a folder, not a file", 0);
  if (exists && !fs::is_regular_file(status)) {
    // A device or FIFO cannot be replaced (nor, as root, should it be).
    file_.open(target_, std::ios::binary | std::ios::out);
    if (!file_) failWith(path, "cannot write", errno);
    out_ = &file_;
    return;
  }
  bool readOnly = exists && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
#ifndef _WIN32
  readOnly = readOnly || (exists && ::access(target_.c_str(), W_OK) != 0);
#endif
  if (readOnly) failWith(path, "the file is read-only; it was left as it is", 0);
  temporary_ = target_ + uniqueSuffix();
#ifndef _WIN32
  const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666);
  if (fd < 0) {
    const int error = errno;
    temporary_.clear();
    failWith(path, "cannot write", error);
  }
  ::close(fd);
#endif
  file_.open(temporary_, std::ios::binary | std::ios::out | std::ios::trunc);
  if (!file_) {
    const int error = errno;
    fs::remove(temporary_, ec);
    temporary_.clear();
    failWith(path, "cannot write", error);
  }
  out_ = &file_;
}

PendingOutput::~PendingOutput() {
  if (temporary_.empty()) return;
  file_.close();
  std::error_code ec;
  fs::remove(temporary_, ec);
}

void PendingOutput::finish() {
  if (finished_) return;
  out_->flush();
  if (!*out_) failWith(path_ == "-" ? std::string("<stdout>") : path_, "cannot write", 0);
  finished_ = true;
  if (temporary_.empty()) return;
  file_.close();
  if (file_.fail()) failWith(path_, "cannot write", errno);
#ifndef _WIN32
  // The replacement keeps the mode and, where the process may, the owner.
  struct stat old {};
  if (::stat(target_.c_str(), &old) == 0) {
    if (::chmod(temporary_.c_str(), old.st_mode & 07777) != 0) failWith(path_, "cannot keep the file's mode", errno);
    if (::chown(temporary_.c_str(), old.st_uid, old.st_gid) != 0) {
      // Only the owner's group, or nothing, may be ours to give.
    }
  }
  syncPath(temporary_, O_RDONLY);
#endif
}

void PendingOutput::commit() {
  finish();
  if (temporary_.empty()) return;
  std::error_code ec;
  fs::rename(temporary_, target_, ec);
  if (ec) failWith(path_, "cannot write: " + ec.message(), 0);
  temporary_.clear();
#ifndef _WIN32
  const fs::path folder = fs::path(target_).parent_path();
  syncPath(folder.empty() ? std::string(".") : folder.string(), O_RDONLY | O_DIRECTORY);
#endif
}

void writeWhole(const std::string& path, std::string_view text) {
  PendingOutput file(path);
  file.write(text);
  file.commit();
}

namespace {

// A regular file by device and inode (by its full name where the platform has
// no inodes), or a file still to be made by the full name it will have.
bool identityOf(const std::string& path, FileSet::Identity& id) {
  std::error_code ec;
  id.shown = path;
  if (path == "-") return false;
  const std::string target = followLinks(path);
  id.name = fs::weakly_canonical(target, ec).string();
  const fs::file_status status = fs::status(target, ec);
  if (!fs::exists(status)) return true;
  if (!fs::is_regular_file(status)) return false;
#ifndef _WIN32
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return false;
  id.byInode = true;
  id.device = static_cast<std::uint64_t>(st.st_dev);
  id.inode = static_cast<std::uint64_t>(st.st_ino);
#endif
  return true;
}

bool sameFile(const FileSet::Identity& a, const FileSet::Identity& b) {
  if (a.byInode || b.byInode) return a.byInode && b.byInode && a.device == b.device && a.inode == b.inode;
  return !a.name.empty() && a.name == b.name;
}

}  // namespace

void FileSet::addInput(const std::string& path) {
  Identity id;
  std::error_code ec;
  // Said before any output is opened, so that the input is the file named.
  if (path != "-" && fs::is_directory(path, ec)) failWith(path, "is a folder, not a file", 0);
  if (identityOf(path, id) && fs::exists(path, ec)) files_.push_back(id);
}

PendingOutput& FileSet::addOutput(const std::string& path) {
  Identity id;
  const bool known = identityOf(path, id);
  if (known) {
    for (const Identity& other : files_) {
      if (sameFile(id, other)) failWith(path, "is the same file as " + other.shown + "; nothing was written", 0);
    }
  }
  outputs_.push_back(std::make_unique<PendingOutput>(path));
  if (known) files_.push_back(id);
  return *outputs_.back();
}

void FileSet::commitAll() {
  for (auto& output : outputs_) output->finish();
  for (auto& output : outputs_) output->commit();
}

}  // namespace easel
