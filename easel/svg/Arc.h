// Elliptical arcs of path data as cubic Béziers, following the SVG
// implementation notes: the endpoint form is turned into the centre form
// (radii scaled up when they cannot reach), and the sweep is cut into pieces
// of at most 90 degrees, each approximated by one cubic.
#ifndef EASEL_SVG_ARC_H
#define EASEL_SVG_ARC_H

#include <vector>

#include "Geometry.h"

namespace easel::svg {

struct Cubic {
  Vec2 c1, c2, end;
};

// The cubics of the arc from `from` to `to` (the last ends exactly at `to`).
// Equal end points give no cubic; a zero radius gives one straight cubic, and
// so do radii out of all proportion to the chord, whose centre or sweep no
// double can hold, or whose curve no float can.
std::vector<Cubic> arcToCubics(Vec2 from, double rx, double ry, double xAxisRotationDegrees, bool largeArc, bool sweep,
                               Vec2 to);

}  // namespace easel::svg

#endif
