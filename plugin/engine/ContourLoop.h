// The contours of one selected object.
#ifndef CONTOUR_ENGINE_CONTOURLOOP_H
#define CONTOUR_ENGINE_CONTOURLOOP_H

#include "plugin/engine/EngineState.h"

// Makes contours 0 to contourCount of the object at `objectIndex` of the
// selection list, following the skip/create pattern. Returns the first host error.
ASErr runObjectContours(AIArtHandle source, int32_t objectIndex, const ContourParams& params, RunValues& run);

#endif
