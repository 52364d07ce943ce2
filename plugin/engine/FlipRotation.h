// The alternate flip and the rotation of one contour.
#ifndef CONTOUR_ENGINE_FLIPROTATION_H
#define CONTOUR_ENGINE_FLIPROTATION_H

#include "plugin/engine/EngineState.h"

// Whether contour k is flipped or rotated at all.
bool contourTurns(const ContourParams& params, const ObjectState& object, int32_t k);

// Quarter-turns even contours about their own centre when "Path - alternate
// flip" is set, then turns the copy by the object's rotation angle about the
// centre chosen in the Rotation centre list. The members of a compound path
// are turned one by one, each about its own centre in the path-centre modes.
ASErr flipAndRotateContour(AIArtHandle copy, int16_t sourceType, const ContourParams& params, const RunValues& run,
                           const ObjectState& object, int32_t k);

#endif
