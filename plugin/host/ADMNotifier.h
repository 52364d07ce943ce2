#ifndef CONTOUR_HOST_ADMNOTIFIER_H
#define CONTOUR_HOST_ADMNOTIFIER_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 1

/* Notifiers handed to notify procedures, valid only during that call.
   Acquired with the others; the plug-in calls nothing of it today. */
typedef struct ADMNotifierSuite {
  /* *isType is 1 when the notifier is of the named type. */
  ASErr (*isNotifierType)(ADMNotifierRef notifier, const char* notifierType, ASBoolean* isType);
  ASErr (*getItem)(ADMNotifierRef notifier, ADMItemRef* item);
} ADMNotifierSuite;
#ifdef __cplusplus
}
#endif
#endif
