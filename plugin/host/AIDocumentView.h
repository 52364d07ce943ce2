#ifndef CONTOUR_HOST_AIDOCUMENTVIEW_H
#define CONTOUR_HOST_AIDOCUMENTVIEW_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 7

/* Views of the current document. A view maps artwork points (y up) to view
   points (y down, in screen pixels at the view's zoom). */
typedef struct AIDocumentViewSuite {
  /* The n-th view (0 is the front view); the handle is the host's. kBadParameterErr (and *view null) when there
     is no such view, or for a null result pointer. When: any message. */
  ASErr (*getNthDocumentView)(int32_t n, AIDocumentViewHandle* view);
  /* Set the zoom of the view: 1 is 100 %. kBadParameterErr (and no change) for
     a zoom that is not finite or not above 0; kBadHandleErr for a null, stale
     or foreign view. When: any message. */
  ASErr (*setDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
  /* The zoom of the view. kBadHandleErr as above; kBadParameterErr for a null
     result pointer. When: any message. */
  ASErr (*getDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  /* Convert a view point to the artwork point under it, at the view's current
     zoom and scroll. kBadHandleErr as above; kBadParameterErr for a null
     point pointer. When: any message. The two conversions are inverses. */
  ASErr (*viewPointToArtworkPoint)(AIDocumentViewHandle view, const AIRealPoint* viewPoint, AIRealPoint* artworkPoint);
  /* Convert an artwork point to the view point over it; codes as above. */
  ASErr (*artworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint, AIRealPoint* viewPoint);
} AIDocumentViewSuite;
#ifdef __cplusplus
}
#endif
#endif
