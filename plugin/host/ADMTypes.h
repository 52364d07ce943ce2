// Types of the host's dialog manager: references to dialogs, items, lists,
// entries, notifiers and trackers, and the procedures the plug-in hands over.
#ifndef CONTOUR_HOST_ADMTYPES_H
#define CONTOUR_HOST_ADMTYPES_H
#include "HostTypes.h"
#ifdef __cplusplus
extern "C" {
#endif

typedef struct ADMDialogOpaque* ADMDialogRef;
typedef struct ADMItemOpaque* ADMItemRef;
typedef struct ADMListOpaque* ADMListRef;
typedef struct ADMEntryOpaque* ADMEntryRef;
typedef struct ADMNotifierOpaque* ADMNotifierRef;
typedef struct ADMTrackerOpaque* ADMTrackerRef;
typedef struct ADMIconOpaque* ADMIconRef;
typedef void* ADMUserData;

/* Dialog pixels, y down. */
typedef struct ADMRect {
  int32_t left, top, right, bottom;
} ADMRect;

/* A point of the document view that a tracker reports, in view coordinates. */
typedef struct ADMRealPoint {
  float h, v;
} ADMRealPoint;

/* Item type names for createItem. */
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMTextStaticType "ADM Text Static Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMPicturePushButtonType "ADM Picture Push Button Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"
#define kADMPopupListType "ADM Popup List Type"

/* The notifier type that sendNotify sends. */
#define kADMUserChangedNotifier "ADM User Changed Notifier"

/* Font codes: 0 the dialog's normal font; 5 the emphasised one. */
enum { kADMDefaultFont = 0, kADMEmphasizedFont = 5 };

/* Tracker modifier bit: set when the user picked a point in the document view. */
enum { kADMDocumentViewPickModifier = 0x20 };

/* Returns 0 for success. */
typedef ASErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef ASErr (*ADMItemInitProc)(ADMItemRef item);
/* Called when the user changes the item or a notification is sent to it. */
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);
/* Called while the host tracks the mouse on the item; returns a flag. */
typedef ASBoolean (*ADMItemTrackProc)(ADMItemRef item, ADMTrackerRef tracker);

#ifdef __cplusplus
}
#endif
#endif
