// The Pattern list's four-fold mirror copies about a point.
#ifndef CONTOUR_ENGINE_PATTERNCOPIES_H
#define CONTOUR_ENGINE_PATTERNCOPIES_H

#include "EngineState.h"

// Adds three mirror copies of `art` about (x, y): across the vertical line
// through x, through the point, across the horizontal line through y.
ASErr patternMirrorCopies(AIArtHandle art, int32_t placeBelowFlag, AIReal x, AIReal y);

// The point of the pattern modes Center1 to Center10 for art with the given bounds. Draws the
// random numbers that the mode needs.
AIRealPoint patternPoint(int32_t patternMode, const AIRealRect& artBounds, const RunValues& run,
                         const ObjectState& object);

#endif
