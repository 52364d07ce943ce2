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
     icon and destroys it. kBadParameterErr when there is no such icon. */
  ASErr (*createFromResource)(SPPluginRef plugin, int32_t iconId, ADMIconRef* icon);
  ASErr (*destroy)(ADMIconRef icon);
} ADMIconSuite;
#ifdef __cplusplus
}
#endif
#endif
