// The exporter's geometry: the points of the user space that read back to
// the document's exactly (what changed since the import is ArtCompare's).
#ifndef EASEL_SVG_EXPORTGEOMETRY_H
#define EASEL_SVG_EXPORTGEOMETRY_H

#include <span>
#include <vector>

#include "ArtCompare.h"
#include "Geometry.h"
#include "PathData.h"
#include "easel/core/Document.h"

namespace easel::svg {

Affine toAffine(const AIRealMatrix& m);

// The float that `scale` maps back onto `target` when the reader multiplies
// and rounds, so that widths read back exactly.
float exactPreimage(float target, double scale);

// A path of the document in an element's user space: each point the float
// point that `local` (the reader's mapping) takes back onto it exactly,
// where one next to the `inverse`'s answer does.
Subpath toLocalSubpath(std::span<const AIPathSegment> segments, bool closed, const Affine& local,
                       const Affine& inverse);

}  // namespace easel::svg

#endif
