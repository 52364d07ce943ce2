#ifndef CONTOUR_HOST_ADMTRACKER_H
#define CONTOUR_HOST_ADMTRACKER_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 1

/* The mouse event that a track procedure is called for. Trackers are the
   host's, valid only during that call: each function may be called only from
   the track procedure that was handed the tracker. kBadHandleErr for a null or
   stale tracker; kBadParameterErr for a null result pointer. */
typedef struct ADMTrackerSuite {
  /* The event's point, in view coordinates of document view 0 when the user
     picked a point in the document view (modifier kADMDocumentViewPickModifier). */
  ASErr (*getPoint)(ADMTrackerRef tracker, ADMRealPoint* point);
  /* The event's modifier bits (kADMDocumentViewPickModifier and the host's). */
  ASErr (*getModifiers)(ADMTrackerRef tracker, int32_t* modifiers);
} ADMTrackerSuite;
#ifdef __cplusplus
}
#endif
#endif
