// Scale and shift of one contour, with the point modification where the
// source object's type puts it.
#ifndef CONTOUR_ENGINE_SCALESHIFT_H
#define CONTOUR_ENGINE_SCALESHIFT_H

#include "plugin/engine/EngineState.h"

// Scales the copy by the object's scale factors about its centre and moves it
// by the shift offsets. While points are active the points are modified too,
// and the scaling takes part only with "Points - add scale".
ASErr scaleAndShiftContour(AIArtHandle copy, int16_t sourceType, const ContourParams& params, const RunValues& run,
                           const ObjectState& object, int32_t k);

#endif
