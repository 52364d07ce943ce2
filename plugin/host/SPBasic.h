// The basic suite: handed to the plug-in in every message; acquires and
// releases the other suites by name and version, and compares strings.
#ifndef CONTOUR_HOST_SPBASIC_H
#define CONTOUR_HOST_SPBASIC_H

#include "HostTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SPBasicSuite {
  /* Acquire the suite `name` (zero-terminated) at `version`; its function
     table is written to *suite. The table is the host's, valid until the
     matching release; every acquire needs one release. "S!Fd" when the host
     has no such suite or version (*suite is then null); kBadParameterErr for
     a null name or result pointer. When: any message; this suite itself is
     held for as long as the message lasts. */
  ASErr (*acquireSuite)(const char* name, int32_t version, const void** suite);
  /* Release one acquisition of the suite `name` at `version`; once the last
     acquisition is released, calls through its table get kSuiteReleasedErr.
     "S!Fd" for a suite that is not held or a name or version the host does not
     have; kBadParameterErr for a null name. When: any message. */
  ASErr (*releaseSuite)(const char* name, int32_t version);
  /* Compare two zero-terminated strings; *equal is 1 when they are the same
     byte for byte, else 0. kBadParameterErr for a null string or result
     pointer. When: any message. */
  ASErr (*compareStrings)(const char* a, const char* b, ASBoolean* equal);
} SPBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
