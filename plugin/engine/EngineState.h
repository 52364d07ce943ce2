// The values of one contour run: computed once at its start (RunValues) and
// reset for every selected object (ObjectState). The driver owns them; the
// geometry, point and paint steps read them.
#ifndef CONTOUR_ENGINE_ENGINESTATE_H
#define CONTOUR_ENGINE_ENGINESTATE_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"

struct RunValues {
  AIReal flipAngle;               // a quarter turn, in radians
  AIReal scaleStepH;              // scaleH / 100; scale modes ReducedHalfway to PulseRandom change it during the run
  AIReal scaleStepV;              // scaleV / 100, or scaleStepH when the scales are linked
  AIReal pointStep;               // pointsContourAmount / 10
  AIReal pointVarianceStep;       // pointsVariance / 10
  int32_t pointsActive;           // 1 when pointStep or pointVarianceStep is not 0
  AIReal anchorInterpolation;     // interpolateAnchor / 100
  AIReal directionInterpolation;  // interpolateDirection / 100
  int32_t pulsePeriod;            // 0 to 9, drawn once per run
  int32_t rotationPathIndex;      // selection entry whose centre is the supplied path centre
  int16_t paintOrder;             // 5 above all, 6 below all
  int32_t placeBelowFlag;         // 0 when placing above, else 1
  AIReal pageWidth, pageHeight;
  AIRealPoint documentCenter;
  AIRealPoint suppliedPathCenter;
  int32_t swatchCount;
  AIReal widthStep;      // widthAmount * 0.1
  AIReal styleFraction;  // interpolateStyle * 0.01
};

struct ObjectState {
  AIReal scaleFactorH, scaleFactorV;  // from 1.0
  AIReal shiftOffsetH, shiftOffsetV;  // from 0.0
  AIReal rotationAngle;               // from 0.0, + rotationStep per contour
  AIReal rotationStep;                // rotation (tenths of a degree) in radians / 10
  AIReal pointOffset, pointVariation;
  int32_t skipLeft, createLeft;
  int32_t firstContour;  // 1 until contour 0 has been handled
  AIRealPoint sourceCenter;
  int32_t fillStepCount, strokeStepCount;
  int32_t objectIndex;  // the source object's index in the selection list
};

// The centre of a bounds rectangle, computed the one way the engine always uses.
inline AIRealPoint boundsCenter(const AIRealRect& r) {
  AIRealPoint c;
  c.h = r.left + (r.right - r.left) * 0.5f;
  c.v = r.bottom + (r.top - r.bottom) * 0.5f;
  return c;
}

#endif
