#ifndef CONTOUR_HOST_AIREALMATH_H
#define CONTOUR_HOST_AIREALMATH_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1

/* Single-precision arithmetic, points and matrices. Every result is rounded to
   single precision. kBadParameterErr for a null pointer argument. */
typedef struct AIRealMathSuite {
  ASErr (*add)(AIReal a, AIReal b, AIReal* sum);
  ASErr (*multiply)(AIReal a, AIReal b, AIReal* product);
  /* kBadParameterErr when b is 0; *quotient is then left as it was. */
  ASErr (*divide)(AIReal a, AIReal b, AIReal* quotient);
  /* kBadParameterErr for a negative argument. */
  ASErr (*squareRoot)(AIReal a, AIReal* root);
  /* Sine and cosine of an angle in radians. */
  ASErr (*sine)(AIReal radians, AIReal* result);
  ASErr (*cosine)(AIReal radians, AIReal* result);
  ASErr (*degreesToRadians)(AIReal degrees, AIReal* radians);
  ASErr (*radiansToDegrees)(AIReal radians, AIReal* degrees);
  /* Euclidean distance between a and b. */
  ASErr (*pointDistance)(const AIRealPoint* a, const AIRealPoint* b, AIReal* distance);
  /* The direction of b seen from a, atan2(b.v - a.v, b.h - a.h), in radians
     in [-pi, pi]; 0 for two equal points. */
  ASErr (*pointAngle)(const AIRealPoint* a, const AIRealPoint* b, AIReal* radians);
  /* The point that moves b toward a by the fraction t: b + (a - b) * t.
     t = 0 gives b, t = 1 gives a; any t stays on the line through a and b. */
  ASErr (*interpolatePoints)(const AIRealPoint* a, const AIRealPoint* b, AIReal t, AIRealPoint* result);
  /* Matrices act on a point in the order their operations were appended: an
     appended operation acts after those already in the matrix. */
  ASErr (*setMatrixIdentity)(AIRealMatrix* m);
  ASErr (*setMatrixTranslation)(AIRealMatrix* m, AIReal tx, AIReal ty);
  ASErr (*appendMatrixTranslation)(AIRealMatrix* m, AIReal tx, AIReal ty);
  ASErr (*appendMatrixScale)(AIRealMatrix* m, AIReal sx, AIReal sy);
  /* Counter-clockwise in artwork coordinates (y up) for a positive angle. */
  ASErr (*appendMatrixRotation)(AIRealMatrix* m, AIReal radians);
  /* Apply m to a point. */
  ASErr (*transformPoint)(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result);
} AIRealMathSuite;
#ifdef __cplusplus
}
#endif
#endif
