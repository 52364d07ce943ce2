// The values a run computes once, before its first object.
#ifndef CONTOUR_ENGINE_RUNSTART_H
#define CONTOUR_ENGINE_RUNSTART_H

#include "plugin/engine/EngineState.h"

// Fills `run` from the record, the document and the gathered selection.
// Returns the first host error (the document setup alone may fail: the page
// is then taken as empty).
ASErr computeRunValues(const ContourParams& params, RunValues& run);

#endif
