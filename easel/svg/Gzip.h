// Compressed drawings (.svgz): gzip through zlib. A drawing is read as gzip
// when its bytes say so (whatever its name), and written so when its name
// ends in .svgz; the limits of reading apply to the inflated text.
#ifndef EASEL_SVG_GZIP_H
#define EASEL_SVG_GZIP_H

#include <cstddef>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace easel::svg {

// Damaged or cut-short gzip data.
class GzipError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// Gzip data that inflates to more than its limit.
class GzipLimitError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool isGzip(std::string_view bytes);
// Whether a file of this name is written compressed (".svgz", any case).
bool namesGzip(std::string_view path);

// The inflated bytes of every gzip member, one after another; GzipLimitError
// as soon as they pass `limit`, so that a small file that inflates without
// end stops there.
std::string gunzip(std::string_view data, std::size_t limit);
std::string gzip(std::string_view text);
// The file's bytes as they are to be read: inflated when they are gzip.
std::string inflatedIfGzip(std::string bytes, std::size_t limit);

// Where a drawing goes for the file `path`: `file` itself, or, for .svgz,
// a stream that deflates into it as it is written (nothing is held whole).
class SvgOutput {
 public:
  SvgOutput(std::ostream& file, std::string_view path);
  // Compressed or not whatever the name (a format given by the user).
  SvgOutput(std::ostream& file, bool compressed);
  ~SvgOutput();
  SvgOutput(const SvgOutput&) = delete;
  SvgOutput& operator=(const SvgOutput&) = delete;
  std::ostream& stream();
  // Ends the compressed stream; throws GzipError when it could not.
  void finish();

 private:
  class Deflater;
  std::ostream& file_;
  std::unique_ptr<Deflater> deflater_;
};

}  // namespace easel::svg

#endif
