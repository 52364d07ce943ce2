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
  /* *isType is 1 when the notifier is of the named type (zero-terminated,
     such as kADMUserChangedNotifier), else 0. kBadHandleErr for a null or
     stale notifier; kBadParameterErr for a null type or result pointer. When:
     only during the notify procedure that was handed the notifier. */
  ASErr (*isNotifierType)(ADMNotifierRef notifier, const char* notifierType, ASBoolean* isType);
  /* The item the notification is for. Codes and when: as above. */
  ASErr (*getItem)(ADMNotifierRef notifier, ADMItemRef* item);
} ADMNotifierSuite;
#ifdef __cplusplus
}
#endif
#endif
