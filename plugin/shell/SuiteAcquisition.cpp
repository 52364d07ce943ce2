#include "SuiteAcquisition.h"

#include <cstdio>

#include "plugin/globals/SuiteTable.h"

namespace {
int16_t gNesting = 0;

void showSuiteLoadingError(ASErr code, const SuiteRow& row) {
  char text[256];
  std::snprintf(text, sizeof text, "Suite Loading Error: %d, suite: %s, version: %d!", static_cast<int>(code), row.name,
                static_cast<int>(row.version));
  sADMBasic->messageAlert(text);
}
}  // namespace

ASErr acquireSuites(const SPBasicSuite* basic) {
  if (gNesting != 0) {
    ++gNesting;
    return kNoErr;
  }
  for (const SuiteRow& row : kSuiteTable) {
    const void* suite = nullptr;
    ASErr error = basic->acquireSuite(row.name, row.version, &suite);
    if (error != kNoErr) {
      if (kSuiteTable[kADMBasicRow].filled()) showSuiteLoadingError(error, row);
      ++gNesting;
      return error;
    }
    row.store(suite);
  }
  ++gNesting;
  return kNoErr;
}

void releaseSuites(const SPBasicSuite* basic) {
  if (gNesting == 1) {
    for (const SuiteRow& row : kSuiteTable) {
      if (!row.filled()) continue;
      if (basic->releaseSuite(row.name, row.version) != kNoErr) break;
      row.store(nullptr);
    }
  }
  --gNesting;
}

void resetNestingCounter() { gNesting = 0; }

int16_t nestingCounter() { return gNesting; }
