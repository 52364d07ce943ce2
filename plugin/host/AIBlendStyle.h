#ifndef CONTOUR_HOST_AIBLENDSTYLE_H
#define CONTOUR_HOST_AIBLENDSTYLE_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIBlendStyleSuite "AI Blend Style Suite"
#define kAIBlendStyleSuiteVersion 2

typedef struct AIBlendStyleSuite {
  /* Set the art's opacity, 0 (transparent) to 1 (opaque). kBadParameterErr
     (and no change) for a value outside [0, 1] or not finite; kBadHandleErr
     for a null, stale or foreign art handle. When: any message. */
  ASErr (*setOpacity)(AIArtHandle art, AIReal opacity);
  /* The art's opacity. kBadHandleErr as above; kBadParameterErr for a null
     result pointer. When: any message. */
  ASErr (*getOpacity)(AIArtHandle art, AIReal* opacity);
} AIBlendStyleSuite;
#ifdef __cplusplus
}
#endif
#endif
