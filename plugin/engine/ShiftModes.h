// How the shift offsets grow from contour to contour (the Shift mode list).
#ifndef CONTOUR_ENGINE_SHIFTMODES_H
#define CONTOUR_ENGINE_SHIFTMODES_H

#include "plugin/engine/EngineState.h"
#include "plugin/engine/RandomDraws.h"

// Updates shiftOffsetH and shiftOffsetV for contour index k, made or skipped.
void updateShift(const ContourParams& params, ObjectState& object, int32_t k, RandomDraws& draws);

#endif
