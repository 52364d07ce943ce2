// The basic shapes as paths, drawn the way SVG renderers draw them
// (clockwise on screen from the top-left, arcs as in path data).
#ifndef EASEL_SVG_SHAPES_H
#define EASEL_SVG_SHAPES_H

#include <optional>
#include <string_view>

#include "PathData.h"
#include "ValueError.h"

namespace easel::svg {

// rx and ry < 0 mean "not given" (each then takes the other's value; both
// are clamped to half the width and height). A width or height that is not
// above 0 gives no path.
PathGeometry rectPath(double x, double y, double width, double height, double rx, double ry);
// A radius that is not above 0 gives no path.
PathGeometry ellipsePath(double cx, double cy, double rx, double ry);
PathGeometry linePath(double x1, double y1, double x2, double y2);
// The `points` of polyline and polygon: ValueError for an odd count or a
// coordinate that cannot be read; or, given `error`, the ValueError put
// there and the points before it (a lone last coordinate dropped).
PathGeometry pointsPath(std::string_view points, bool closed, std::optional<ValueError>* error = nullptr);

}  // namespace easel::svg

#endif
