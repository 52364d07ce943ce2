// The `transform` attribute: a list of matrix, translate, scale, rotate,
// skewX and skewY, the first one outermost.
#ifndef EASEL_SVG_TRANSFORM_H
#define EASEL_SVG_TRANSFORM_H

#include <string_view>

#include "Geometry.h"

namespace easel::svg {

// Throws ValueError; an empty list is the identity.
Affine parseTransformList(std::string_view text);

// A rotation by `degrees` (counter-clockwise in a y-up frame, clockwise on screen).
Affine rotation(double degrees);

}  // namespace easel::svg

#endif
