// A drawing's SVG text as a picture (PNG) or a print file (PDF), drawn by
// librsvg on a cairo surface. The size is worked out and checked before
// anything is drawn, so that a picture too large to hold is refused at once.
#ifndef EASEL_RENDER_SVGPICTURE_H
#define EASEL_RENDER_SVGPICTURE_H

#include <cstddef>
#include <ostream>
#include <string_view>

#include "easel/render/PictureSize.h"

namespace easel::render {

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
