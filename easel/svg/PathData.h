// Path data (the `d` attribute) read into anchors with direction points, the
// form of the artwork's paths: lines have their direction points on their
// anchors, quadratic curves are raised to cubics and arcs become cubics.
#ifndef EASEL_SVG_PATHDATA_H
#define EASEL_SVG_PATHDATA_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Geometry.h"
#include "ValueError.h"

namespace easel::svg {

// An anchor with its incoming and outgoing direction points.
struct Anchor {
  Vec2 p, in, out;
  friend bool operator==(const Anchor&, const Anchor&) = default;
};

struct Subpath {
  std::vector<Anchor> anchors;
  bool closed = false;
  friend bool operator==(const Subpath&, const Subpath&) = default;
};

using PathGeometry = std::vector<Subpath>;

// Every command, absolute and relative, with implicit repeats and the compact
// forms ("M1.5.5", "1e-3", arc flags without separators). A closed subpath
// whose last anchor lies on its first is folded into it, so the closing
// segment is the one that the close draws. An empty text is an empty path.
// On an error, throws ValueError at the offending offset; or, given `error`,
// puts the ValueError there and answers the path up to the command with the
// error, which is how viewers draw it.
PathGeometry parsePathData(std::string_view d, std::optional<ValueError>* error = nullptr);

// The path as absolute M, L, C and Z commands, each number in the shortest
// form that reads back to the same float (the geometry is rounded to floats).
std::string writePathData(const PathGeometry& path);

// Every point mapped by `m` (exact for lines and cubics); a path passed as
// a temporary is mapped where it is, without a copy.
PathGeometry transformed(PathGeometry path, const Affine& m);

}  // namespace easel::svg

#endif
