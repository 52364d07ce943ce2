// The contour run: every selected object turned into its stack of contours.
#ifndef CONTOUR_ENGINE_RUNCONTOURS_H
#define CONTOUR_ENGINE_RUNCONTOURS_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"

// Runs the contours on the gathered selection (gathering it when none is),
// for a preview (finalRun 0) or for good (finalRun 1). A final run after a
// preview keeps the preview's contours. Writes only previewShown. Returns 0
// or the first host error, which ends the run and gives back the selection.
ASErr runContours(ContourParams* params);

#endif
