// The basic suite: handed to the plug-in in every message; acquires and
// releases the other suites by name and version, and compares strings.
#ifndef CONTOUR_HOST_SPBASIC_H
#define CONTOUR_HOST_SPBASIC_H

#include "HostTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SPBasicSuite {
  /* Acquire the suite `name` at `version`; its function table is written to
     *suite and stays valid until the matching release. Returns "S!Fd" when the
     host has no such suite or version (then *suite is set to null). */
  ASErr (*acquireSuite)(const char* name, int32_t version, const void** suite);
  /* Release one acquisition of the suite. "S!Fd" for a suite that is not held. */
  ASErr (*releaseSuite)(const char* name, int32_t version);
  /* Compare two zero-terminated strings; *equal is 1 when they are the same
     byte for byte. kBadParameterErr for a null string or result pointer. */
  ASErr (*compareStrings)(const char* a, const char* b, ASBoolean* equal);
} SPBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
