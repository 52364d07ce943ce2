#ifndef CONTOUR_HOST_AIDOCUMENT_H
#define CONTOUR_HOST_AIDOCUMENT_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 7

/* The page setup of a document; the page size comes first. */
typedef struct AIDocumentSetup {
  AIReal width, height; /* the page, in points */
  int32_t showPlacedImages;
  int32_t pageTileMode;
  AIReal outputResolution;
} AIDocumentSetup;

typedef struct AIDocumentSuite {
  /* The current document's setup, written to the caller's record.
     kBadParameterErr when there is no document or for a null pointer. When:
     any message. */
  ASErr (*getDocumentSetup)(AIDocumentSetup* setup);
  /* Ask for the document's views to be drawn again; the host draws when it
     can, not necessarily during the call. When: any message. */
  ASErr (*redrawDocument)(void);
} AIDocumentSuite;
#ifdef __cplusplus
}
#endif
#endif
