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
     for a null argument or a name already registered. */
  ASErr (*addFilter)(SPPluginRef self, const char* name, const PlatformAddFilterData* data, int32_t options,
                     AIFilterHandle* filter);
  /* The menu item of a registered filter. kBadHandleErr for a bad filter. */
  ASErr (*getFilterMenuItem)(AIFilterHandle filter, AIMenuItemHandle* menuItem);
} AIFilterSuite;
#ifdef __cplusplus
}
#endif
#endif
