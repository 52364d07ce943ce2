#ifndef CONTOUR_HOST_ADMBASIC_H
#define CONTOUR_HOST_ADMBASIC_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 2

typedef struct ADMBasicSuite {
  /* Entry `index` of the string list `listId` among the plug-in's resources
     (the string resource listId + index), zero-terminated into `buffer`, at
     most maxLength - 1 bytes. A missing entry gives the empty string and kNoErr.
     kBadParameterErr for a null buffer or maxLength < 1; kBadHandleErr for a
     foreign plug-in reference. `plugin`: the reference of the message;
     `buffer`: the caller's, of maxLength bytes. When: any message. */
  ASErr (*getIndexString)(SPPluginRef plugin, int32_t listId, int32_t index, char* buffer, int32_t maxLength);
  /* Show a message box with the text (zero-terminated, copied) and an OK
     button; returns when the user closes it. kBadParameterErr for null text.
     When: any message, also from a dialog's procedures (the box goes on top). */
  ASErr (*messageAlert)(const char* text);
} ADMBasicSuite;
#ifdef __cplusplus
}
#endif
#endif
