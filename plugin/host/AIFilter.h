#ifndef CONTOUR_HOST_AIFILTER_H
#define CONTOUR_HOST_AIFILTER_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kAIFilterSuite "AI Filter Suite"
#define kAIFilterSuiteVersion 2

/* The menu texts of a filter, each a length-prefixed string (length byte, then
   the bytes). */
typedef struct PlatformAddFilterData {
  const unsigned char* category;
  const unsigned char* title;
} PlatformAddFilterData;

typedef struct AIFilterSuite {
  /* Register a filter under `name` with its menu category and title (copied by
     the host); the host then sends "AI Filter" messages for it. kBadParameterErr
     for a null argument or a name already registered; kBadHandleErr for a
     foreign plug-in reference. `self`: the reference of the message; `name`:
     zero-terminated, copied; `options`: kept as given. *filter is the host's
     handle for the filter; it comes back in every "AI Filter" message. When: any message, usually "Startup". */
  ASErr (*addFilter)(SPPluginRef self, const char* name, const PlatformAddFilterData* data, int32_t options,
                     AIFilterHandle* filter);
  /* The menu item of a registered filter, owned by the host. kBadHandleErr for
     a null or foreign filter; kBadParameterErr for a null result pointer.
     When: any message after addFilter. */
  ASErr (*getFilterMenuItem)(AIFilterHandle filter, AIMenuItemHandle* menuItem);
} AIFilterSuite;
#ifdef __cplusplus
}
#endif
#endif
