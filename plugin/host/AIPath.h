#ifndef CONTOUR_HOST_AIPATH_H
#define CONTOUR_HOST_AIPATH_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 4

/* One anchor of a path: the anchor point, the incoming and outgoing direction
   points, and the corner flag (carried as given). */
typedef struct AIPathSegment {
  AIRealPoint p, in, out;
  ASBoolean corner;
} AIPathSegment;

/* Segments of path art, numbered from 0. Art that is not a path gets
   kWrongArtTypeErr; a bad handle kBadHandleErr; a null result pointer
   kBadParameterErr. Every function may be called during any message. */
typedef struct AIPathSuite {
  /* The number of segments. kTooManySegmentsErr when the path has more than
     32767 segments (the count would not fit). */
  ASErr (*getPathSegmentCount)(AIArtHandle path, int16_t* count);
  /* Copy `count` segments starting at `segNumber` into `segments` (caller's
     array of at least `count` segments). kBadParameterErr when the range is
     not inside the path, count < 0, or the array is null and count > 0. */
  ASErr (*getPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, AIPathSegment* segments);
  /* Overwrite `count` segments starting at `segNumber` with the caller's
     array (read only, copied). kBadParameterErr when the range is not inside
     the path, count < 0, the array is null and count > 0, or a point is not
     finite; the path is then left as it was. The number of segments never
     changes. */
  ASErr (*setPathSegments)(AIArtHandle path, int16_t segNumber, int16_t count, const AIPathSegment* segments);
  /* Whether the path is closed: *closed is 1 or 0. */
  ASErr (*getPathClosed)(AIArtHandle path, ASBoolean* closed);
} AIPathSuite;
#ifdef __cplusplus
}
#endif
#endif
