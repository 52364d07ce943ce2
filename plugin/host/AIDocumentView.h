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
  /* The n-th view (0 is the front view). kBadParameterErr when there is no such view. */
  ASErr (*getNthDocumentView)(int32_t n, AIDocumentViewHandle* view);
  /* The zoom of the view: 1 is 100 %. kBadParameterErr for a zoom that is not
     finite or not above 0. */
  ASErr (*setDocumentViewZoom)(AIDocumentViewHandle view, AIReal zoom);
  ASErr (*getDocumentViewZoom)(AIDocumentViewHandle view, AIReal* zoom);
  /* Convert a view point to the artwork point under it. */
  ASErr (*viewPointToArtworkPoint)(AIDocumentViewHandle view, const AIRealPoint* viewPoint, AIRealPoint* artworkPoint);
  /* Convert an artwork point to the view point over it. */
  ASErr (*artworkPointToViewPoint)(AIDocumentViewHandle view, const AIRealPoint* artworkPoint, AIRealPoint* viewPoint);
} AIDocumentViewSuite;
#ifdef __cplusplus
}
#endif
#endif
