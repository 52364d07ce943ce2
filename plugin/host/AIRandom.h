#ifndef CONTOUR_HOST_AIRANDOM_H
#define CONTOUR_HOST_AIRANDOM_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

/* The host's random numbers: one seedable generator per document, the same
   draws on every platform. */
typedef struct AIRandomSuite {
  /* The next uniform random real in [0, 1). */
  ASErr (*floatRandom)(AIReal* value);
  /* Restart the generator from a seed. */
  ASErr (*setRandomSeed)(int32_t seed);
} AIRandomSuite;
#ifdef __cplusplus
}
#endif
#endif
