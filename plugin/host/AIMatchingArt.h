#ifndef CONTOUR_HOST_AIMATCHINGART_H
#define CONTOUR_HOST_AIMATCHINGART_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 4

/* Art of `type` whose user attributes, masked by `whichAttr`, equal `attr`. */
typedef struct AIMatchingArtSpec {
  int16_t type;
  int32_t whichAttr, attr;
} AIMatchingArtSpec;

typedef struct AIMatchingArtSuite {
  /* All art of the current document that matches any of the specs, in
     document order (top of the stack first, a container before its members).
     *matches is a new memory handle whose block is an array of *numMatches art
     handles; the caller owns it (AI MdMemory: dispose handle). With no match,
     *matches is null and *numMatches 0. `specs`: an array of numSpecs specs,
     read only; a spec of an unknown type matches nothing. The art handles are
     the document's (see AIArt.h). kBadParameterErr for a null pointer or
     numSpecs < 0; -108 when memory runs out. When: any message. */
  ASErr (*getMatchingArt)(const AIMatchingArtSpec* specs, int16_t numSpecs, AIMdMemoryHandle* matches,
                          int32_t* numMatches);
} AIMatchingArtSuite;
#ifdef __cplusplus
}
#endif
#endif
