#include "SourceText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "SvgError.h"
#include "easel/core/FileIo.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace easel::svg {

namespace {

#ifndef _WIN32
int64_t modifiedNanoseconds(const struct stat& s) {
  return static_cast<int64_t>(s.st_mtim.tv_sec) * 1'000'000'000 + s.st_mtim.tv_nsec;
}
#endif

}  // namespace

SourceText SourceText::readFile(const std::string& path, std::size_t limit, std::string* text) {
#ifndef _WIN32
  // Opened before it is read: if the file is still the one open, of the size
  // read and not modified meanwhile, its bytes are the text's.
  const int fd = path == "-" ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat before {};
  if (fd >= 0 && (::fstat(fd, &before) != 0 || !S_ISREG(before.st_mode))) {
    ::close(fd);
    *text = readLimited(path, limit);
    return SourceText(*text);
  }
  try {
    *text = readLimited(path, limit);
  } catch (...) {
    if (fd >= 0) ::close(fd);
    throw;
  }
  if (fd < 0) return SourceText(*text);
  struct stat after {
  }, named{};
  const bool same = ::fstat(fd, &after) == 0 && ::stat(path.c_str(), &named) == 0 && named.st_dev == before.st_dev &&
                    named.st_ino == before.st_ino && after.st_size == before.st_size &&
                    static_cast<std::size_t>(after.st_size) == text->size() &&
                    modifiedNanoseconds(after) == modifiedNanoseconds(before);
  if (!same) {
    ::close(fd);
    return SourceText(*text);
  }
  SourceText out;
  out.fd_ = fd;
  out.name_ = path;
  out.size_ = text->size();
  out.modified_ = modifiedNanoseconds(before);
  return out;
#else
  *text = readLimited(path, limit);
  return SourceText(*text);
#endif
}

SourceText::~SourceText() {
#ifndef _WIN32
  if (fd_ >= 0) ::close(fd_);
#endif
}

SourceText::SourceText(SourceText&& other) noexcept
    : kept_(std::move(other.kept_)),
      name_(std::move(other.name_)),
      size_(other.size_),
      fd_(other.fd_),
      modified_(other.modified_) {
  other.fd_ = -1;
}

SourceText& SourceText::operator=(SourceText&& other) noexcept {
  std::swap(kept_, other.kept_);
  std::swap(name_, other.name_);
  std::swap(size_, other.size_);
  std::swap(fd_, other.fd_);
  std::swap(modified_, other.modified_);
  return *this;
}

void SourceText::checkUnchanged() const {
#ifndef _WIN32
  if (fd_ < 0) return;
  struct stat now {};
  if (::fstat(fd_, &now) != 0 || static_cast<std::size_t>(now.st_size) != size_ ||
      modifiedNanoseconds(now) != modified_) {
    throw SvgError(name_ + ": the file changed on disk since it was read; nothing was written");
  }
#endif
}

void SourceText::read(std::size_t offset, std::size_t size, char* into) const {
#ifndef _WIN32
  while (size > 0) {
    const ssize_t n = ::pread(fd_, into, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      throw SvgError(name_ + ": the file can no longer be read" +
                     (n < 0 ? std::string(": ") + std::strerror(errno) : std::string(" (it got shorter)")));
    }
    into += n;
    offset += static_cast<std::size_t>(n);
    size -= static_cast<std::size_t>(n);
  }
#else
  (void)offset, (void)size, (void)into;
#endif
}

TextReader::TextReader(const SourceText& text) : text_(text), size_(text.size()) {
  if (const std::string* kept = text.kept()) data_ = *kept;
}

void TextReader::load(std::size_t from, std::size_t to) {
  if (from >= size_) from = size_;
  to = std::min(to, size_);
  if (text_.kept() || (from >= start_ && to <= start_ + data_.size())) return;
  std::swap(data_, otherData_);
  std::swap(start_, otherStart_);
  std::swap(window_, otherWindow_);
  if (from >= start_ && to <= start_ + data_.size()) return;
  // A little before `from` too: the writer looks back over an end tag.
  std::size_t begin = from > 4096 ? from - 4096 : 0;
  if (to - begin > kWindow) begin = from;
  const std::size_t end = std::min(size_, begin + kWindow);
  window_.resize(kWindow);
  text_.read(begin, end - begin, window_.data());
  start_ = begin;
  data_ = std::string_view(window_.data(), end - begin);
}

std::string_view TextReader::view(std::size_t from, std::size_t to) {
  to = std::min(to, size_);
  from = std::min(from, to);
  load(from, to);
  return data_.substr(from - start_, to - from);
}

std::size_t TextReader::find(char c, std::size_t from) {
  while (from < size_) {
    const std::string_view v = view(from, from + kWindow / 2);
    const std::size_t at = v.find(c);
    if (at != std::string_view::npos) return from + at;
    from += v.size();
  }
  return npos;
}

std::size_t TextReader::find(std::string_view s, std::size_t from) {
  while (from < size_) {
    const std::string_view v = view(from, from + kWindow / 2);
    const std::size_t at = v.find(s);
    if (at != std::string_view::npos) return from + at;
    if (from + v.size() >= size_) return npos;
    // The next piece starts far enough back to hold a match across the seam.
    from += v.size() > s.size() ? v.size() - s.size() + 1 : 1;
  }
  return npos;
}

std::size_t TextReader::findBackward(char c, std::size_t before) {
  while (before > 0) {
    const std::size_t from = before > kWindow / 2 ? before - kWindow / 2 : 0;
    const std::string_view v = view(from, before);
    const std::size_t at = v.rfind(c);
    if (at != std::string_view::npos) return from + at;
    before = from;
  }
  return npos;
}

}  // namespace easel::svg
