#include "easel/render/PictureSize.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace easel::render {

namespace {

int pixels(double length) { return std::max(1, static_cast<int>(std::lround(length))); }

std::string sizeText(double width, double height) {
  return std::to_string(static_cast<long long>(std::llround(width))) + " x " +
         std::to_string(static_cast<long long>(std::llround(height))) + " pixels";
}

// Whole pixels, the request's size or the drawing's at its dpi, within the limits.
PictureSize pngSize(PictureSize css, const PictureRequest& request) {
  double width = css.width * request.dpi / kCssDpi, height = css.height * request.dpi / kCssDpi;
  if (request.width && request.height) {
    width = *request.width;
    height = *request.height;
  } else if (request.width) {
    height = css.height * *request.width / css.width;
    width = *request.width;
  } else if (request.height) {
    width = css.width * *request.height / css.height;
    height = *request.height;
  }
  // Measured before they are rounded to int, which a huge size does not fit.
  if (!(width < kMostPixelsASide + 0.5 && height < kMostPixelsASide + 0.5))
    throw RenderError("a PNG of " + sizeText(width, height) + " is refused: at most " +
                      std::to_string(kMostPixelsASide) + " pixels a side");
  const PictureSize size{static_cast<double>(pixels(width)), static_cast<double>(pixels(height))};
  const double bytes = size.width * size.height * 4;
  if (request.memoryBudget != 0 && bytes > static_cast<double>(request.memoryBudget))
    throw BudgetError("a PNG of " + sizeText(size.width, size.height) + " needs " +
                      std::to_string(static_cast<long long>(std::ceil(bytes / (1 << 20)))) +
                      " MB, more than the memory budget of " + std::to_string(request.memoryBudget >> 20) + " MB");
  return size;
}

// The area's own size in CSS pixels.
PictureSize areaSize(PictureSize css, const PictureArea& area) {
  if (!(area.width > 0 && area.height > 0 && std::isfinite(area.width * area.height)))
    throw RenderError("the area to draw is empty");
  return {css.width * area.width, css.height * area.height};
}

}  // namespace

PictureSize sizeOfPicture(PictureSize css, const PictureRequest& request) {
  css = areaSize(css, request.area);
  if (request.kind == PictureKind::Pdf)
    return {css.width * kPointsPerInch / kCssDpi, css.height * kPointsPerInch / kCssDpi};
  return pngSize(css, request);
}

}  // namespace easel::render
