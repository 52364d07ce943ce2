// The text of an SVG file exactly as it was read, for the writer, which
// copies the bytes of everything the document did not change. The parsed XML
// cannot give them back: pugixml parses in place, writing terminators and
// unescaped values over the text it parses.
//
// So the text is read again from the file, which stays open (a save that
// replaces the file by renaming leaves the open one as it was), or, where
// there is no such file (a string, standard input, a file that changed while
// it was read), kept as a second copy. A change made to the open file itself
// is noticed by its size and modification time, and the writing refused.
#ifndef EASEL_SVG_SOURCETEXT_H
#define EASEL_SVG_SOURCETEXT_H

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace easel::svg {

class SourceText {
 public:
  SourceText() = default;
  // Keeps `text`.
  explicit SourceText(std::string text) : kept_(std::move(text)), size_(kept_.size()) {}
  // Reads `path` ("-": standard input) within `limit` bytes into *text
  // (easel::readLimited, its errors too), and answers where its bytes can be
  // read again.
  static SourceText readFile(const std::string& path, std::size_t limit, std::string* text);
  ~SourceText();
  SourceText(SourceText&& other) noexcept;
  SourceText& operator=(SourceText&& other) noexcept;
  SourceText(const SourceText&) = delete;
  SourceText& operator=(const SourceText&) = delete;

  std::size_t size() const { return size_; }
  // The whole text when it is kept; null when it is read from the file.
  const std::string* kept() const { return fd_ < 0 ? &kept_ : nullptr; }
  // Throws SvgError naming the file when the open file is no longer what
  // was read.
  void checkUnchanged() const;
  // Bytes [offset, offset + size) of the file into `into` (fd_ only).
  void read(std::size_t offset, std::size_t size, char* into) const;

 private:
  std::string kept_;
  std::string name_;  // the file's, for messages
  std::size_t size_ = 0;
  int fd_ = -1;
  int64_t modified_ = 0;  // nanoseconds, as the file said when it was read
};

// One writer's way through a SourceText: a window of the file's bytes (or all
// of the kept text), moved as the writer asks for bytes elsewhere. Views it
// gives stay valid until the next call.
class TextReader {
 public:
  static constexpr std::size_t npos = std::string::npos;
  explicit TextReader(const SourceText& text);

  std::size_t size() const { return size_; }
  // The byte at `i`; 0 past the end.
  char at(std::size_t i) {
    if (i - start_ >= data_.size()) {
      if (i >= size_) return '\0';
      load(i, i + 1);
    }
    return data_[i - start_];
  }
  // [from, to), at most kWindow bytes.
  std::string_view view(std::size_t from, std::size_t to);
  // The first `c` (or `s`) at or after `from`; npos when there is none.
  std::size_t find(char c, std::size_t from);
  std::size_t find(std::string_view s, std::size_t from);
  // The last `c` before `before`; npos when there is none.
  std::size_t findBackward(char c, std::size_t before);
  // [from, to) to `sink` (any size), in pieces.
  template <class Sink>
  void copy(std::size_t from, std::size_t to, Sink&& sink) {
    while (from < to) {
      const std::size_t piece = std::min(to - from, kWindow);
      sink(view(from, from + piece));
      from += piece;
    }
  }

  static constexpr std::size_t kWindow = std::size_t{1} << 18;

 private:
  // Makes [from, to) part of the window.
  void load(std::size_t from, std::size_t to);

  const SourceText& text_;
  std::size_t size_;
  std::string_view data_;  // the window: bytes [start_, start_ + data_.size())
  std::size_t start_ = 0;
  std::vector<char> window_;
  // The window used before, kept: the writer goes back and forth between
  // two places (copies written from an element far away, in a run record).
  std::string_view otherData_;
  std::size_t otherStart_ = 0;
  std::vector<char> otherWindow_;
};

}  // namespace easel::svg

#endif
