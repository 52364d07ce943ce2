#include "Gzip.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <limits>
#include <sstream>
#include <string>

#include "AsciiCase.h"

namespace easel::svg {

namespace {

constexpr int kGzipWindow = 15 + 16;  // 2^15 window, gzip header and trailer
constexpr int kGzipHeaderSystem = 3;  // "Unix", as the Linux build has always written
constexpr std::size_t kChunk = std::size_t{1} << 16;

uInt chunkOf(std::size_t n) { return static_cast<uInt>(std::min<std::size_t>(n, std::numeric_limits<uInt>::max())); }

std::string zlibMessage(const z_stream& z, int code) {
  return z.msg != nullptr ? std::string(z.msg) : "zlib error " + std::to_string(code);
}

}  // namespace

bool isGzip(std::string_view bytes) { return bytes.size() >= 2 && bytes[0] == '\x1f' && bytes[1] == '\x8b'; }

bool namesGzip(std::string_view path) {
  constexpr std::string_view kEnd = ".svgz";
  if (path.size() < kEnd.size()) return false;
  const std::string_view end = path.substr(path.size() - kEnd.size());
  return std::equal(end.begin(), end.end(), kEnd.begin(), [](char a, char b) { return asciiLower(a) == b; });
}

std::string gunzip(std::string_view data, std::size_t limit) {
  z_stream z{};
  if (inflateInit2(&z, kGzipWindow) != Z_OK) throw GzipError("zlib could not start");
  struct End {
    z_stream& z;
    ~End() { inflateEnd(&z); }
  } end{z};
  std::string out;
  std::array<char, kChunk> piece;
  std::size_t offered = 0;
  for (;;) {
    if (z.avail_in == 0 && offered < data.size()) {
      z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data() + offered));
      z.avail_in = chunkOf(data.size() - offered);
      offered += z.avail_in;
    }
    z.next_out = reinterpret_cast<Bytef*>(piece.data());
    z.avail_out = static_cast<uInt>(piece.size());
    const int code = inflate(&z, Z_NO_FLUSH);
    const std::size_t made = piece.size() - z.avail_out;
    if (made > limit - std::min(limit, out.size())) throw GzipLimitError("the inflated drawing passes its limit");
    out.append(piece.data(), made);
    if (code == Z_STREAM_END) {
      // Another member may follow (gzip files can be joined).
      if (z.avail_in == 0 && offered == data.size()) return out;
      if (inflateReset(&z) != Z_OK) throw GzipError("zlib could not go on");
      continue;
    }
    if (code == Z_BUF_ERROR && z.avail_in == 0 && offered == data.size()) throw GzipError("the gzip data is cut short");
    if (code != Z_OK && code != Z_BUF_ERROR) throw GzipError("the gzip data is damaged (" + zlibMessage(z, code) + ")");
  }
}

std::string inflatedIfGzip(std::string bytes, std::size_t limit) {
  return isGzip(bytes) ? gunzip(bytes, limit) : std::move(bytes);
}

// A stream buffer that deflates what is written into the file's stream.
class SvgOutput::Deflater : public std::streambuf {
 public:
  explicit Deflater(std::ostream& file) : file_(file), stream_(this) {
    if (deflateInit2(&z_, Z_DEFAULT_COMPRESSION, Z_DEFLATED, kGzipWindow, 8, Z_DEFAULT_STRATEGY) != Z_OK)
      throw GzipError("zlib could not start");
    // The header names one system whatever the build's (zlib writes its own
    // there), so that every platform writes the same bytes for a drawing.
    header_.os = kGzipHeaderSystem;
    if (deflateSetHeader(&z_, &header_) != Z_OK) throw GzipError("zlib could not start");
    setp(in_.data(), in_.data() + in_.size());
  }
  ~Deflater() override { deflateEnd(&z_); }
  std::ostream& stream() { return stream_; }
  void finish() {
    if (!push(Z_FINISH)) throw GzipError("the compressed drawing could not be written");
  }

 protected:
  int_type overflow(int_type c) override {
    if (!push(Z_NO_FLUSH)) return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      *pptr() = traits_type::to_char_type(c);
      pbump(1);
    }
    return traits_type::not_eof(c);
  }
  int sync() override { return push(Z_NO_FLUSH) ? 0 : -1; }

 private:
  // Deflates what the buffer holds into the file.
  bool push(int flush) {
    z_.next_in = reinterpret_cast<Bytef*>(pbase());
    z_.avail_in = static_cast<uInt>(pptr() - pbase());
    int code = Z_OK;
    do {
      z_.next_out = reinterpret_cast<Bytef*>(out_.data());
      z_.avail_out = static_cast<uInt>(out_.size());
      code = deflate(&z_, flush);
      if (code == Z_STREAM_ERROR) return false;
      file_.write(out_.data(), static_cast<std::streamsize>(out_.size() - z_.avail_out));
      if (!file_) return false;
    } while (z_.avail_out == 0 || (flush == Z_FINISH && code != Z_STREAM_END));
    setp(in_.data(), in_.data() + in_.size());
    return true;
  }

  std::ostream& file_;
  std::ostream stream_;
  z_stream z_{};
  gz_header header_{};  // deflate reads it as it writes the header
  std::array<char, kChunk> in_, out_;
};

SvgOutput::SvgOutput(std::ostream& file, std::string_view path) : SvgOutput(file, namesGzip(path)) {}

SvgOutput::SvgOutput(std::ostream& file, bool compressed) : file_(file) {
  if (compressed) deflater_ = std::make_unique<Deflater>(file);
}

SvgOutput::~SvgOutput() = default;

std::ostream& SvgOutput::stream() { return deflater_ ? deflater_->stream() : file_; }

void SvgOutput::finish() {
  if (deflater_) deflater_->finish();
}

std::string gzip(std::string_view text) {
  std::ostringstream out;
  SvgOutput writer(out, ".svgz");
  writer.stream().write(text.data(), static_cast<std::streamsize>(text.size()));
  writer.finish();
  return std::move(out).str();
}

}  // namespace easel::svg
