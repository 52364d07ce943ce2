// A plug-in that misuses the interface, so that tests can see the host refuse
// it with error codes instead of crashing: it keeps a suite past its release,
// and uses an art handle after disposing of the art.
#include "plugin/host/AllSuites.h"

#if defined(_WIN32)
#define EXPORTED __declspec(dllexport)
#else
#define EXPORTED __attribute__((visibility("default")))
#endif

namespace {
const AIArtSuite* gKeptArtSuite = nullptr;
}

extern "C" EXPORTED ASErr PluginMain(const char* caller, const char*, void* message) {
  auto* header = static_cast<SPMessageData*>(message);
  ASBoolean isAccess = 0;
  header->basic->compareStrings(caller, "SP Access", &isAccess);
  if (isAccess) return kNoErr;
  const void* suite = nullptr;
  ASErr error = header->basic->acquireSuite(kAIArtSuite, kAIArtSuiteVersion, &suite);
  if (error != kNoErr) return error;
  gKeptArtSuite = static_cast<const AIArtSuite*>(suite);
  header->basic->releaseSuite(kAIArtSuite, kAIArtSuiteVersion);
  // The suite is released: this call must be refused, not answered.
  int16_t type = 0;
  return gKeptArtSuite->getArtType(nullptr, &type);
}
