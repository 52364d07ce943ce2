#ifndef CONTOUR_HOST_SPACCESS_H
#define CONTOUR_HOST_SPACCESS_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

/* Access to the plug-in's own library. Acquired with the others; the plug-in
   calls nothing of it today. */
typedef struct SPAccessSuite {
  /* The file the plug-in was loaded from, as a zero-terminated UTF-8 path owned
     by the host and valid while the plug-in is loaded. `plugin`: the
     reference of the message. kBadHandleErr for a foreign plug-in reference;
     kBadParameterErr for a null result pointer. When: any message. */
  ASErr (*getPluginFilePath)(SPPluginRef plugin, const char** path);
} SPAccessSuite;
#ifdef __cplusplus
}
#endif
#endif
