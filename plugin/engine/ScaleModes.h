// How the scale factors shrink (or grow) from contour to contour (the
// Contour scale mode list).
#ifndef CONTOUR_ENGINE_SCALEMODES_H
#define CONTOUR_ENGINE_SCALEMODES_H

#include "plugin/engine/EngineState.h"
#include "plugin/engine/RandomDraws.h"

// Updates scaleFactorH and scaleFactorV for contour index k, made or skipped,
// after the shift offsets of k. The modes ReducedHalfway to PulseRandom also
// change the run's scale steps, which then hold for the rest of the run, later
// objects included.
void updateScale(const ContourParams& params, RunValues& run, ObjectState& object, int32_t k, RandomDraws& draws);

#endif
