// The size of a picture of a drawing, worked out before anything is drawn:
// the part of the drawing, its pixels per inch or the pixels asked for, and
// the limits a picture is held to. Standard C++ alone, so that a host that
// draws no pictures itself (the page's, whose browser draws them) gives the
// same sizes and refusals as one that draws with librsvg.
#ifndef EASEL_RENDER_PICTURESIZE_H
#define EASEL_RENDER_PICTURESIZE_H

#include <cstddef>
#include <optional>
#include <stdexcept>

namespace easel::render {

// CSS pixels per inch, and points per inch: a PDF page is measured in points.
inline constexpr double kCssDpi = 96;
inline constexpr double kPointsPerInch = 72;

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

// The size of the picture the request asks for of a drawing whose own size
// is `css` (CSS pixels). Throws RenderError for an empty area, and for a PNG
// of more than kMostPixelsASide a side or beyond the memory budget.
PictureSize sizeOfPicture(PictureSize css, const PictureRequest& request);

}  // namespace easel::render

#endif
