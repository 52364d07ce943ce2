// Making one contour of a selected object.
#ifndef CONTOUR_ENGINE_MAKECONTOUR_H
#define CONTOUR_ENGINE_MAKECONTOUR_H

#include "plugin/engine/EngineState.h"

// Duplicates the source object and gives the copy the geometry, points and
// paint of contour k, then the pattern's mirror copies. The first host error
// ends the contour and is returned.
ASErr makeContour(AIArtHandle source, int16_t sourceType, const ContourParams& params, const RunValues& run,
                  const ObjectState& object, int32_t k);

#endif
