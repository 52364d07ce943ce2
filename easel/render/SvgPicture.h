// A drawing's SVG text as a picture (PNG) or a print file (PDF), drawn by
// librsvg on a cairo surface. The size is worked out and checked before
// anything is drawn, so that a picture too large to hold is refused at once.
#ifndef EASEL_RENDER_SVGPICTURE_H
#define EASEL_RENDER_SVGPICTURE_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string_view>

namespace easel::render {

enum class PictureKind { Png, Pdf };

// The most pixels a side of a cairo image surface may have.
inline constexpr int kMostPixelsASide = 32767;

// A part of the drawing: its left and top edges and its size, in fractions
// of the drawing's own width and height, from its top-left corner.
struct PictureArea {
  double left = 0, top = 0, width = 1, height = 1;
};

struct PictureRequest {
  PictureKind kind = PictureKind::Png;
  // PNG only: pixels per inch of the drawing's own size (96: one pixel per
  // CSS pixel), or a size in pixels; one side alone keeps the proportions.
  double dpi = 96;
  std::optional<int> width, height;
  // PNG only: the most the picture's pixels may take, in bytes (0: no limit).
  std::size_t memoryBudget = 0;
  // The part drawn (the dpi and sizes are of that part), and whether it is
  // drawn on white rather than on nothing.
  PictureArea area;
  bool white = false;
};

// A drawing that cannot be drawn, or a picture that is refused; the message
// says why without naming the file.
class RenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
// A picture whose pixels would take more than the memory budget.
class BudgetError : public RenderError {
 public:
  using RenderError::RenderError;
};

// What will be written: pixels for a PNG, points for a PDF page.
struct PictureSize {
  double width = 0, height = 0;
};

// The size of the picture of `svg` the request asks for. Throws RenderError
// for a drawing librsvg cannot read or that has no size, for an empty area,
// and for a PNG of more than kMostPixelsASide a side or beyond the memory
// budget.
PictureSize pictureSize(std::string_view svg, const PictureRequest& request);

// Draws `svg` and writes the PNG or PDF to `out` (after the checks of
// pictureSize). Returns the bytes written.
std::size_t writePicture(std::string_view svg, const PictureRequest& request, std::ostream& out);

}  // namespace easel::render

#endif
