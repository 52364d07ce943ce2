// The matrices of the contour geometry and their application to art.
#ifndef CONTOUR_ENGINE_ARTTRANSFORMS_H
#define CONTOUR_ENGINE_ARTTRANSFORMS_H

#include "plugin/host/AllSuites.h"

// The centre of the art's bounds.
ASErr artCenter(AIArtHandle art, AIRealPoint* center);

// Moves `center` to the origin, scales by (sx, sy) when `scale` is set, and
// moves the origin to center + (dx, dy).
ASErr scaleShiftMatrix(AIRealPoint center, bool scale, AIReal sx, AIReal sy, AIReal dx, AIReal dy,
                       AIRealMatrix* matrix);

// A turn by `radians` about `center`.
ASErr rotationMatrix(AIRealPoint center, AIReal radians, AIRealMatrix* matrix);

// Applies the matrix to the art's geometry, fill gradients and patterns and
// stroke patterns, never to its stroke widths: the line width step owns those.
ASErr transformContour(AIArtHandle art, const AIRealMatrix& matrix);

#endif
