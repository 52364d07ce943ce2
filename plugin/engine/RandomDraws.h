// The host's random numbers as the engine's modes use them: one draw at the
// moment of use. A draw that the host refuses counts as 0 and its code is kept,
// so that a mode can make its draws in order and the driver checks once after.
#ifndef CONTOUR_ENGINE_RANDOMDRAWS_H
#define CONTOUR_ENGINE_RANDOMDRAWS_H

#include "plugin/host/AllSuites.h"

struct RandomDraws {
  ASErr error = kNoErr;  // the first code the host returned
};

// The next uniform real in [0, 1).
AIReal nextDraw(RandomDraws& draws);

// A random sign: -1 when the draw is greater than 0.5, else +1.
inline AIReal randomSign(AIReal draw) { return draw > 0.5f ? -1.0f : 1.0f; }

#endif
