#ifndef CONTOUR_HOST_AISWATCHLIST_H
#define CONTOUR_HOST_AISWATCHLIST_H
#include "AIColor.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 4

/* Swatch lists; a null list means the current document's list (any other
   list ref gets kBadHandleErr). Swatches are numbered from 0. Swatch refs are
   the document's, valid until its swatch list changes. A null result pointer
   gets kBadParameterErr. Every function may be called during any message. */
typedef struct AISwatchListSuite {
  /* The number of swatches in the list (0 when the user deleted them all). */
  ASErr (*countSwatches)(AISwatchListRef list, int32_t* count);
  /* The swatch at `index`; past the end (or negative) *swatch is null and the
     result kBadParameterErr (an answer, not a fault). */
  ASErr (*getNthSwatch)(AISwatchListRef list, int32_t index, AISwatchRef* swatch);
  /* The swatch's colour, copied into the caller's record. kBadHandleErr for a
     null, stale or foreign swatch. */
  ASErr (*getSwatchColor)(AISwatchRef swatch, AIColor* color);
  /* The swatch's name, zero-terminated, owned by the host, valid until the
     list changes. kBadHandleErr as above. */
  ASErr (*getSwatchName)(AISwatchRef swatch, const char** name);
} AISwatchListSuite;
#ifdef __cplusplus
}
#endif
#endif
