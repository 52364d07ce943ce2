// Point contour modes: the radial offset per contour and the modification of
// a path's anchor and direction points.
#ifndef CONTOUR_ENGINE_POINTMODES_H
#define CONTOUR_ENGINE_POINTMODES_H

#include "EngineState.h"

// Runs for every contour index k, made or skipped, while points are active:
// pointOffset += pointStep + pointVariation, then pointVariation by the
// variation mode.
void advancePointOffset(const ContourParams& params, const RunValues& run, ObjectState& object, int32_t k);

// Moves the anchors (and direction points) of one path by the point mode for
// contour k. Returns the first host error (which ends the run).
ASErr modifyPathPoints(AIArtHandle path, const ContourParams& params, const RunValues& run, const ObjectState& object,
                       int32_t k);

#endif
