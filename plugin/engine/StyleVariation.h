// The paint of the contours: fill and stroke colour progressions, line width
// with the style blend, and opacity.
#ifndef CONTOUR_ENGINE_STYLEVARIATION_H
#define CONTOUR_ENGINE_STYLEVARIATION_H

#include "EngineState.h"

enum class PaintPart { Fill, Stroke };

// The colour step for one part of the style. `contourNumber` is the contour
// index + 1; `steps` the number of steps of the progression (S), `half` int(S / 2).
void colorStep(PaintPart part, int32_t mode, AIArtHandle source, AIArtHandle copy, int32_t swatchCount,
               int32_t swatchNumber, int32_t half, int32_t contourNumber, int32_t steps);

// The line width step and the blend with the source style. Returns the result
// of its last style write.
ASErr lineWidthStep(AIArtHandle copy, AIArtHandle source, int32_t widthMode, int32_t contourIndex, int32_t contourCount,
                    AIReal widthStep, AIReal styleFraction, int32_t scaleLines, AIReal scaleFactorH,
                    AIReal scaleFactorV);

// One random opacity for the copy.
void opacityStep(AIArtHandle copy);

// The four paint steps for one contour, in their order, for a path copy and
// its source (the driver calls this once per pair of children for compound paths).
void paintContour(const ContourParams& params, const RunValues& run, const ObjectState& object, AIArtHandle source,
                  AIArtHandle copy, int32_t k);

#endif
