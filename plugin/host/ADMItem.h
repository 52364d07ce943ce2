#ifndef CONTOUR_HOST_ADMITEM_H
#define CONTOUR_HOST_ADMITEM_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4

/* Items of a dialog. Every function gets kBadHandleErr for a null or stale
   item. Values set by the plug-in are kept as given, also outside the item's
   limits; values typed by the user are held to the limits. */
typedef struct ADMItemSuite {
  ASErr (*setNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  /* The host's own handling of a notification: for the dialog's default and
     cancel push buttons it ends the modal run with the item's id. */
  ASErr (*defaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  /* Run the item's notify procedure now with a notifier of `notifierType`
     (kADMUserChangedNotifier); without one, the host's own handling.
     kBadParameterErr when notifications nest deeper than the host allows. */
  ASErr (*sendNotify)(ADMItemRef item, const char* notifierType);
  ASErr (*setTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
  /* The host's own tracking; *handled is 1 when it took the event. */
  ASErr (*defaultTrack)(ADMItemRef item, ADMTrackerRef tracker, ASBoolean* handled);
  ASErr (*getDialog)(ADMItemRef item, ADMDialogRef* dialog);
  /* The list of a popup list item; kWrongArtTypeErr for other items. */
  ASErr (*getList)(ADMItemRef item, ADMListRef* list);
  ASErr (*getID)(ADMItemRef item, int32_t* itemId);
  ASErr (*show)(ADMItemRef item, ASBoolean show);
  ASErr (*enable)(ADMItemRef item, ASBoolean enable);
  /* A font code (kADMDefaultFont, kADMEmphasizedFont). */
  ASErr (*setFont)(ADMItemRef item, int32_t font);
  /* The text is copied. */
  ASErr (*setText)(ADMItemRef item, const char* text);
  /* Unit code of a spin edit: 0 none. */
  ASErr (*setUnits)(ADMItemRef item, int32_t units);
  /* Decimal places shown by a spin edit holding a real. */
  ASErr (*setPrecision)(ADMItemRef item, int32_t places);
  ASErr (*setBooleanValue)(ADMItemRef item, ASBoolean value);
  ASErr (*getBooleanValue)(ADMItemRef item, ASBoolean* value);
  ASErr (*setIntValue)(ADMItemRef item, int32_t value);
  ASErr (*getIntValue)(ADMItemRef item, int32_t* value);
  ASErr (*setFloatValue)(ADMItemRef item, float value);
  ASErr (*getFloatValue)(ADMItemRef item, float* value);
  ASErr (*setMinIntValue)(ADMItemRef item, int32_t value);
  ASErr (*setMaxIntValue)(ADMItemRef item, int32_t value);
  ASErr (*setMinFloatValue)(ADMItemRef item, float value);
  ASErr (*setMaxFloatValue)(ADMItemRef item, float value);
} ADMItemSuite;
#ifdef __cplusplus
}
#endif
#endif
