// The plug-in's only entry point: routes each caller/selector pair of the host
// to its handler, holding the host suites for the length of the call.
#include "ErrorReport.h"
#include "FilterMessages.h"
#include "Lifecycle.h"
#include "SuiteAcquisition.h"
#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"

#if defined(_WIN32)
#define CONTOUR_EXPORT __declspec(dllexport)
#else
#define CONTOUR_EXPORT __attribute__((visibility("default")))
#endif

namespace {

struct Request {
  const SPBasicSuite* basic;
  const char* caller;
  const char* selector;

  bool is(const char* text, const char* wanted) const {
    ASBoolean equal = 0;
    return basic->compareStrings(text, wanted, &equal) == kNoErr && equal != 0;
  }
  bool callerIs(const char* wanted) const { return is(caller, wanted); }
  bool selectorIs(const char* wanted) const { return is(selector, wanted); }
};

// "SP Access": the globals pointer lives in the host's message while the
// library is unloaded.
ASErr accessMessage(const Request& request, SPMessageData* message) {
  if (request.selectorIs(kSPAccessUnloadSelector)) {
    message->globals = gPluginGlobals;
  } else if (request.selectorIs(kSPAccessReloadSelector)) {
    gPluginGlobals = static_cast<PluginGlobals*>(message->globals);
    resetNestingCounter();
  }
  return kNoErr;
}

ASErr dispatch(const Request& request, SPMessageData* message) {
  if (request.callerIs(kSPInterfaceCaller)) {
    if (request.selectorIs(kSPInterfaceStartupSelector)) return startup(message);
    if (request.selectorIs(kSPInterfaceAboutSelector)) return about(message);
    if (request.selectorIs(kSPInterfaceShutdownSelector)) return shutdown(message);
    return kNoErr;
  }
  if (request.callerIs(kCallerAIMenu)) {
    // The plug-in adds no menu command of its own; "AI Go" for a menu item is not valid here.
    if (request.selectorIs(kSelectorAIGoMenuItem)) return kBadSelectionErr;
    return kNoErr;
  }
  if (request.callerIs(kCallerAIFilter)) {
    // Without globals (a reload that brought none back) the plug-in has no
    // registered filter, so no filter message can be meant for it.
    if (gPluginGlobals == nullptr) return kNoErr;
    auto* filterMessage = reinterpret_cast<AIFilterMessage*>(message);
    if (request.selectorIs(kSelectorAIGetParameters)) return getParameters(filterMessage);
    if (request.selectorIs(kSelectorAIGoFilter)) return goFilter(filterMessage);
    return kNoErr;
  }
  return kNoErr;
}

}  // namespace

extern "C" CONTOUR_EXPORT ASErr PluginMain(const char* caller, const char* selector, void* message) {
  auto* header = static_cast<SPMessageData*>(message);
  if (header == nullptr || header->basic == nullptr || caller == nullptr || selector == nullptr)
    return kBadParameterErr;
  gPluginRef = header->self;
  Request request{header->basic, caller, selector};

  if (request.callerIs(kSPAccessCaller)) return accessMessage(request, header);

  ASErr result = acquireSuites(header->basic);
  if (result == kNoErr) result = dispatch(request, header);
  if (result != kNoErr && result != kSuiteNotFoundErr) reportError(result);
  releaseSuites(header->basic);
  return result;
}
