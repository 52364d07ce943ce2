#ifndef CONTOUR_HOST_ADMICON_H
#define CONTOUR_HOST_ADMICON_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1

/* Icons from the plug-in's resources. Acquired with the others; the plug-in
   calls nothing of it today. */
typedef struct ADMIconSuite {
  /* The icon group `iconId` of the plug-in's resources; the caller owns the
     icon and destroys it. kBadParameterErr when there is no such icon or for
     a null result pointer; kBadHandleErr for a foreign plug-in reference;
     kNotImplementedErr when the host runs without dialogs. When: any message;
     the icon outlives the message until it is destroyed. */
  ASErr (*createFromResource)(SPPluginRef plugin, int32_t iconId, ADMIconRef* icon);
  /* Destroy an icon from createFromResource; its handle is stale afterwards.
     kBadHandleErr for a null, stale or foreign icon. When: any message. */
  ASErr (*destroy)(ADMIconRef icon);
} ADMIconSuite;
#ifdef __cplusplus
}
#endif
#endif
