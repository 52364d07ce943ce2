#ifndef CONTOUR_HOST_ADMITEM_H
#define CONTOUR_HOST_ADMITEM_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4

/* Items of a dialog. Item handles are the host's, valid while their dialog
   runs (see ADMDialog.h); every function may be called while the item's
   dialog runs: from its init procedure, from the notify and track procedures
   of its items, and from any procedure of a dialog opened on top of it.
   Every function gets kBadHandleErr for a null or stale item, and
   kBadParameterErr for a null pointer argument. Values set by the plug-in are
   kept as given, also outside the item's limits; values typed by the user are
   held to the limits. Setting a value, text or state sends no notification. */
typedef struct ADMItemSuite {
  /* The procedure the host calls when the user changes the item or a
     notification is sent to it (null: the host's own handling,
     defaultNotify). The host keeps the address while the dialog runs. */
  ASErr (*setNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  /* The host's own handling of a notification: for the dialog's default and
     cancel push buttons (ids 1 and 2) it ends the modal run with the item's
     id; for other items it does nothing. `notifier` may be null; one that is
     given must be live (kBadHandleErr). The run ends when the procedure that
     called this returns, not at once. */
  ASErr (*defaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  /* Run the item's notify procedure now with a notifier of `notifierType`
     (zero-terminated, such as kADMUserChangedNotifier); without one, the
     host's own handling. Returns when the procedure has returned. May be
     called from a notify procedure, also of the same item; kBadParameterErr
     when notifications nest deeper than the host allows (64 levels). */
  ASErr (*sendNotify)(ADMItemRef item, const char* notifierType);
  /* The procedure the host calls for mouse events on the item, such as a
     point picked in the document view (null: none). The host keeps the
     address while the dialog runs. */
  ASErr (*setTrackProc)(ADMItemRef item, ADMItemTrackProc proc);
  /* The host's own tracking of the event of `tracker`; *handled is 1 when it
     took the event (the host's tracking of a button takes none: 0).
     kBadHandleErr for a tracker that is not live. When: from the item's track
     procedure, with the tracker it was handed. */
  ASErr (*defaultTrack)(ADMItemRef item, ADMTrackerRef tracker, ASBoolean* handled);
  /* The dialog the item belongs to (*dialog null on failure). */
  ASErr (*getDialog)(ADMItemRef item, ADMDialogRef* dialog);
  /* The list of a popup list item, valid while the dialog runs (see
     ADMList.h); kWrongArtTypeErr (and *list null) for other items. */
  ASErr (*getList)(ADMItemRef item, ADMListRef* list);
  /* The item's id, as in the template or createItem. */
  ASErr (*getID)(ADMItemRef item, int32_t* itemId);
  /* Show (1) or hide (0) the item. */
  ASErr (*show)(ADMItemRef item, ASBoolean show);
  /* Enable (1) or disable (0) the item (drawn greyed out when disabled). */
  ASErr (*enable)(ADMItemRef item, ASBoolean enable);
  /* A font code (kADMDefaultFont, kADMEmphasizedFont); other codes are kept
     as given. */
  ASErr (*setFont)(ADMItemRef item, int32_t font);
  /* The item's text (zero-terminated, copied): a button's or static text's
     label. */
  ASErr (*setText)(ADMItemRef item, const char* text);
  /* Unit code of a spin edit: 0 none; other codes are kept as given. */
  ASErr (*setUnits)(ADMItemRef item, int32_t units);
  /* Decimal places (0 to 9) shown by a spin edit; makes it hold a real.
     kBadParameterErr for other counts. */
  ASErr (*setPrecision)(ADMItemRef item, int32_t places);
  /* The value of a check box: any non-zero value is stored as 1. */
  ASErr (*setBooleanValue)(ADMItemRef item, ASBoolean value);
  /* *value is 1 when the item's value is not 0, else 0. */
  ASErr (*getBooleanValue)(ADMItemRef item, ASBoolean* value);
  /* The item's value; whether a spin edit holds an integer or a real stays as
     its limits and precision made it. */
  ASErr (*setIntValue)(ADMItemRef item, int32_t value);
  /* The item's value rounded to the nearest integer and held to the range of
     int32_t (a value that is not a number gives 0). */
  ASErr (*getIntValue)(ADMItemRef item, int32_t* value);
  /* The item's value; makes a spin edit hold a real. */
  ASErr (*setFloatValue)(ADMItemRef item, float value);
  /* The item's value in single precision. */
  ASErr (*getFloatValue)(ADMItemRef item, float* value);
  /* The four limits of what the user may type into a spin edit. An integer
     limit makes it hold an integer, a real limit a real. The limits are not
     checked against each other or against the value. */
  /* The lowest value the user may type, as an integer. */
  ASErr (*setMinIntValue)(ADMItemRef item, int32_t value);
  /* The highest value the user may type, as an integer. */
  ASErr (*setMaxIntValue)(ADMItemRef item, int32_t value);
  /* The lowest value the user may type, as a real. */
  ASErr (*setMinFloatValue)(ADMItemRef item, float value);
  /* The highest value the user may type, as a real. */
  ASErr (*setMaxFloatValue)(ADMItemRef item, float value);
} ADMItemSuite;
#ifdef __cplusplus
}
#endif
#endif
