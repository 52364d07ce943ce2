// What the SVG writer compares with the art as read, to rewrite only what
// changed: matrices, and a path's paint property by property (a path's
// segments by their digest, SubpathDigest.h).
#ifndef EASEL_SVG_ARTCOMPARE_H
#define EASEL_SVG_ARTCOMPARE_H

#include <span>

#include "plugin/host/AIPathStyle.h"
#include "plugin/host/HostTypes.h"

namespace easel::svg {

struct PaintProperty {
  const char* name;  // the SVG property
  bool (*same)(const AIPathStyle&, const AIPathStyle&);
};

// fill, fill-rule, stroke, stroke-width, the dashes, caps, joins and miter limit.
std::span<const PaintProperty> paintProperties();

bool sameMatrix(const AIRealMatrix& a, const AIRealMatrix& b);

}  // namespace easel::svg

#endif
