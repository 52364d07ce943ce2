#ifndef CONTOUR_HOST_AIBLENDSTYLE_H
#define CONTOUR_HOST_AIBLENDSTYLE_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIBlendStyleSuite "AI Blend Style Suite"
#define kAIBlendStyleSuiteVersion 2

typedef struct AIBlendStyleSuite {
  /* The art's opacity, 0 (transparent) to 1 (opaque). kBadParameterErr for a
     value outside [0, 1] or not finite; kBadHandleErr for a bad handle. */
  ASErr (*setOpacity)(AIArtHandle art, AIReal opacity);
  ASErr (*getOpacity)(AIArtHandle art, AIReal* opacity);
} AIBlendStyleSuite;
#ifdef __cplusplus
}
#endif
#endif
