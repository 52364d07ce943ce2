// The 26 host suites in the order they are acquired, each with its slot.
#ifndef CONTOUR_GLOBALS_SUITETABLE_H
#define CONTOUR_GLOBALS_SUITETABLE_H

#include "plugin/globals/SuiteSlots.h"

struct SuiteRow {
  const char* name;
  int32_t version;
  void (*store)(const void* suite);  // fills (or with null, empties) the row's slot
  bool (*filled)();
};

constexpr int kSuiteCount = 26;
// The first row after which a failure can be shown to the user.
constexpr int kADMBasicRow = 18;

extern const SuiteRow kSuiteTable[kSuiteCount];

#endif
