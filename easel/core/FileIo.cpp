#include "FileIo.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>

#include "FileCalls.h"
#include "FileIdentity.h"
#include "FileName.h"
#include "PathText.h"

namespace easel {

namespace fs = std::filesystem;

namespace {

std::string sizeText(std::size_t bytes) {
  if (bytes % (std::size_t{1} << 20) == 0) return std::to_string(bytes >> 20) + " MB";
  return std::to_string(bytes) + " bytes";
}

std::string displayName(const std::string& path) { return path == "-" ? std::string("<stdin>") : path; }

[[noreturn]] void failWith(const std::string& path, const std::string& what, int error) {
  throw FileError(shownPath(path) + ": " + what +
                  (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
}

// `why`: the system's reason, when it gave one.
void failIf(const std::string& why, const std::string& path, const std::string& what) {
  if (!why.empty()) throw FileError(shownPath(path) + ": " + what + ": " + why);
}

// Windows opens the device for such a name in any folder, whatever the file
// system holds: a drawing is never read from or written to one.
void refuseDeviceName(const std::string& path) {
#ifdef _WIN32
  if (isWindowsDeviceName(path))
    failWith(path, "is the name of a device on Windows (CON, PRN, AUX, NUL, COM1-9, LPT1-9), not of a file", 0);
#else
  (void)path;
#endif
}

// `expected`: the file's size when known, taken at once so that a large file
// is not copied again and again as the text grows.
std::string readStream(std::istream& in, const std::string& name, std::size_t limit, std::size_t expected = 0) {
  std::string text;
  text.reserve(std::min(expected, limit));
  char chunk[1 << 16];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    const auto n = static_cast<std::size_t>(in.gcount());
    if (text.size() + n > limit) failWith(name, "larger than the limit of " + sizeText(limit), 0);
    text.append(chunk, n);
  }
  if (in.bad()) failWith(name, "cannot read the file", 0);
  return text;
}

std::string uniqueSuffix() {
  static std::atomic<unsigned> counter{0};
  return ".tmp-" + std::to_string(files::processId()) + "-" + std::to_string(++counter);
}

// "d.svg.tmp-PID-N", as uniqueSuffix() makes them.
bool isTemporaryName(const std::string& name) {
  const std::size_t at = name.rfind(".tmp-");
  if (at == 0 || at == std::string::npos) return false;
  const std::string numbers = name.substr(at + 5);
  const std::size_t dash = numbers.find('-');
  const auto digits = [](std::string_view t) {
    return !t.empty() && std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
  };
  return dash != std::string::npos && digits(std::string_view(numbers).substr(0, dash)) &&
         digits(std::string_view(numbers).substr(dash + 1));
}

// Temporary files that a killed run left behind go with the next save into
// their folder, once a day old: no run still writes them by then.
void removeStaleTemporaries(const fs::path& folder) {
  const auto dayAgo = fs::file_time_type::clock::now() - std::chrono::hours(24);
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code e;
    if (!isTemporaryName(utf8FromPath(it->path().filename())) || !fs::is_regular_file(it->symlink_status(e))) continue;
    const fs::file_time_type modified = it->last_write_time(e);
    if (!e && modified < dayAgo) fs::remove(it->path(), e);
  }
}

}  // namespace

void ReasonFileBuf::note(bool failed) {
  if (failed && reason_ == 0) reason_ = errno;
}

ReasonFileBuf::int_type ReasonFileBuf::overflow(int_type c) {
  errno = 0;
  const int_type result = std::filebuf::overflow(c);
  note(traits_type::eq_int_type(result, traits_type::eof()));
  return result;
}

std::streamsize ReasonFileBuf::xsputn(const char_type* s, std::streamsize n) {
  errno = 0;
  const std::streamsize written = std::filebuf::xsputn(s, n);
  note(written < n);
  return written;
}

int ReasonFileBuf::sync() {
  errno = 0;
  const int result = std::filebuf::sync();
  note(result != 0);
  return result;
}

std::string readLimited(const std::string& path, std::size_t limit) {
  if (path == "-") return readStream(std::cin, displayName(path), limit);
  std::error_code ec;
  refuseDeviceName(path);
  const fs::path name = pathFromUtf8(path);
  const fs::file_status status = fs::status(name, ec);
  if (fs::is_directory(status)) failWith(path, "is a folder, not a file", 0);
  std::size_t expected = 0;
  if (fs::is_regular_file(status)) {
    const auto size = fs::file_size(name, ec);
    if (!ec && size > limit) failWith(path, "larger than the limit of " + sizeText(limit), 0);
    if (!ec) expected = static_cast<std::size_t>(size);
  }
  errno = 0;
  std::ifstream in(name, std::ios::binary);
  if (!in) failWith(path, "cannot open the file", errno);
  return readStream(in, path, limit, expected);
}

PendingOutput::PendingOutput(const std::string& path) : path_(path) {
  if (path == "-") {
    out_ = &std::cout;
    return;
  }
  refuseDeviceName(path);
  target_ = followLinks(path);
  const fs::path target = pathFromUtf8(target_);
  std::error_code ec;
  const fs::file_status status = fs::status(target, ec);
  const bool exists = fs::exists(status);
  if (fs::is_directory(status)) failWith(path, "is a folder, not a file", 0);
  if (exists && !fs::is_regular_file(status)) {
    // A device or FIFO cannot be replaced (nor, as root, should it be).
    errno = 0;
    if (buffer_.open(target, std::ios::binary | std::ios::out) == nullptr) failWith(path, "cannot write", errno);
    out_ = &file_;
    return;
  }
  const bool readOnly =
      exists && ((status.permissions() & fs::perms::owner_write) == fs::perms::none || !files::mayWrite(target_));
  if (readOnly) failWith(path, "the file is read-only; it was left as it is", 0);
  temporary_ = target_ + uniqueSuffix();
  if (const std::string why = files::createNew(temporary_, exists); !why.empty()) {
    temporary_.clear();
    failIf(why, path, "cannot write");
  }
  errno = 0;
  if (buffer_.open(pathFromUtf8(temporary_), std::ios::binary | std::ios::out | std::ios::trunc) == nullptr) {
    const int error = errno;
    fs::remove(pathFromUtf8(temporary_), ec);
    temporary_.clear();
    failWith(path, "cannot write", error);
  }
  out_ = &file_;
}

PendingOutput::~PendingOutput() {
  if (temporary_.empty()) return;
  buffer_.close();
  std::error_code ec;
  fs::remove(pathFromUtf8(temporary_), ec);
}

void PendingOutput::finish() {
  if (finished_) return;
  out_->flush();
  if (!*out_) failWith(path_ == "-" ? std::string("<stdout>") : path_, "cannot write", buffer_.reason());
  finished_ = true;
  if (temporary_.empty()) return;
  if (buffer_.close() == nullptr) failWith(path_, "cannot write", buffer_.reason());
  // The replacement keeps the mode and, where the process may, the owner.
  failIf(files::keepModeAndOwner(target_, temporary_), path_, "cannot keep the file's mode");
  failIf(files::syncFile(temporary_), temporary_, "cannot be synced");
}

void PendingOutput::commit() {
  finish();
  if (temporary_.empty()) return;
  failIf(files::replaceFile(temporary_, target_), path_, "cannot write");
  temporary_.clear();
  const fs::path parent = pathFromUtf8(target_).parent_path();
  const fs::path folder = parent.empty() ? fs::path(".") : parent;
  failIf(files::syncFolder(utf8FromPath(folder)), utf8FromPath(folder), "cannot be synced");
  removeStaleTemporaries(folder);
}

void writeWhole(const std::string& path, std::string_view text) {
  PendingOutput file(path);
  file.write(text);
  file.commit();
}

namespace {

// Outputs are compared with regular files and with names not made yet; a
// device or FIFO may well be read and written by one command.
bool comparable(const std::optional<FileIdentity>& id) { return id && id->kind != FileIdentity::Kind::Other; }

}  // namespace

void FileSet::addInput(const std::string& path) {
  std::error_code ec;
  // Said before any output is opened, so that the input is the file named.
  if (path != "-" && fs::is_directory(pathFromUtf8(path), ec)) failWith(path, "is a folder, not a file", 0);
  const std::optional<FileIdentity> id = fileIdentity(path);
  if (comparable(id) && id->kind == FileIdentity::Kind::Regular) files_.push_back({*id, path});
}

PendingOutput& FileSet::addOutput(const std::string& path) {
  const std::optional<FileIdentity> id = fileIdentity(path);
  if (comparable(id)) {
    for (const Noted& other : files_) {
      if (other.id == *id) failWith(path, "is the same file as " + other.shown + "; nothing was written", 0);
    }
  }
  outputs_.push_back(std::make_unique<PendingOutput>(path));
  if (comparable(id)) files_.push_back({*id, path});
  return *outputs_.back();
}

void FileSet::commitAll() {
  for (auto& output : outputs_) output->finish();
  for (auto& output : outputs_) output->commit();
}

}  // namespace easel
