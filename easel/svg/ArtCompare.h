// What the SVG writer compares with the art as read, to rewrite only what
// changed: segments, matrices, and a path's paint property by property.
#ifndef EASEL_SVG_ARTCOMPARE_H
#define EASEL_SVG_ARTCOMPARE_H

#include <span>
#include <vector>

#include "plugin/host/AIPath.h"
#include "plugin/host/AIPathStyle.h"
#include "plugin/host/HostTypes.h"

namespace easel::svg {

struct PaintProperty {
  const char* name;  // the SVG property
  bool (*same)(const AIPathStyle&, const AIPathStyle&);
};

// fill, fill-rule, stroke, stroke-width, the dashes, caps, joins and miter limit.
std::span<const PaintProperty> paintProperties();

bool sameSegments(const std::vector<AIPathSegment>& a, const std::vector<AIPathSegment>& b);
bool sameMatrix(const AIRealMatrix& a, const AIRealMatrix& b);

}  // namespace easel::svg

#endif
