// The width modes of the Width mode list.
#ifndef CONTOUR_ENGINE_WIDTHMODES_H
#define CONTOUR_ENGINE_WIDTHMODES_H

#include <cstdint>

#include "plugin/host/HostTypes.h"

// The inputs of a width mode: the copy's current width Wd, the source
// object's width Ws, the width step a, the contour index i and contourCount N.
struct WidthInputs {
  AIReal current;
  AIReal source;
  AIReal step;
  int32_t contourIndex;
  int32_t contourCount;
};

// The new stroke width by `mode`, before line scaling and the clamp. Draws the
// random number of the randomized modes.
AIReal widthForMode(int32_t mode, const WidthInputs& in);

// A width the host can draw: negative, not-a-number and infinite widths become 0.
AIReal drawableWidth(AIReal width);

#endif
