#ifndef CONTOUR_HOST_AIRANDOM_H
#define CONTOUR_HOST_AIRANDOM_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

/* The host's random numbers: one seedable generator for the whole host, the
   same draws on every platform. Every function may be called during any
   message. */
typedef struct AIRandomSuite {
  /* The next uniform random real in [0, 1); every call draws once.
     kBadParameterErr for a null result pointer. */
  ASErr (*floatRandom)(AIReal* value);
  /* Restart the generator from `seed` (its 32 bits as an unsigned number):
     the same seed gives the same draws. */
  ASErr (*setRandomSeed)(int32_t seed);
} AIRandomSuite;
#ifdef __cplusplus
}
#endif
#endif
