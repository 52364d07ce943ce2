#ifndef CONTOUR_HOST_AIREALMATH_H
#define CONTOUR_HOST_AIREALMATH_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1

/* Single-precision arithmetic, points and matrices. Every result is computed
   in double precision and rounded once to single precision, and written to
   the caller's storage. Points and matrices passed in are read only.
   kBadParameterErr for a null pointer argument. No function touches the
   document: each may be called during any message. */
typedef struct AIRealMathSuite {
  /* *sum = a + b. */
  ASErr (*add)(AIReal a, AIReal b, AIReal* sum);
  /* *product = a * b. */
  ASErr (*multiply)(AIReal a, AIReal b, AIReal* product);
  /* *quotient = a / b. kBadParameterErr when b is 0; *quotient is then left
     as it was. */
  ASErr (*divide)(AIReal a, AIReal b, AIReal* quotient);
  /* *root = the square root of a. kBadParameterErr for a negative argument. */
  ASErr (*squareRoot)(AIReal a, AIReal* root);
  /* *result = the sine of an angle in radians. */
  ASErr (*sine)(AIReal radians, AIReal* result);
  /* *result = the cosine of an angle in radians. */
  ASErr (*cosine)(AIReal radians, AIReal* result);
  /* *radians = degrees * pi / 180. */
  ASErr (*degreesToRadians)(AIReal degrees, AIReal* radians);
  /* *degrees = radians * 180 / pi. */
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
     appended operation acts after those already in the matrix. `m` is the
     caller's matrix, changed in place. */
  /* m becomes the identity (its old value is not read). */
  ASErr (*setMatrixIdentity)(AIRealMatrix* m);
  /* m becomes a translation by (tx, ty) (its old value is not read). */
  ASErr (*setMatrixTranslation)(AIRealMatrix* m, AIReal tx, AIReal ty);
  /* Append a translation by (tx, ty). */
  ASErr (*appendMatrixTranslation)(AIRealMatrix* m, AIReal tx, AIReal ty);
  /* Append a scale by sx horizontally and sy vertically about the origin. */
  ASErr (*appendMatrixScale)(AIRealMatrix* m, AIReal sx, AIReal sy);
  /* Append a rotation about the origin by an angle in radians:
     counter-clockwise in artwork coordinates (y up) for a positive angle. */
  ASErr (*appendMatrixRotation)(AIRealMatrix* m, AIReal radians);
  /* *result = m applied to p (see AIRealMatrix); m and p are read only. */
  ASErr (*transformPoint)(const AIRealMatrix* m, const AIRealPoint* p, AIRealPoint* result);
} AIRealMathSuite;
#ifdef __cplusplus
}
#endif
#endif
