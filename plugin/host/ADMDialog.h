#ifndef CONTOUR_HOST_ADMDIALOG_H
#define CONTOUR_HOST_ADMDIALOG_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3

/* The items that end a modal run by their ids: the default item (the
   default-item key) and Cancel. A push button of either id ends the run when
   pressed, unless its procedure says otherwise. */
enum { kADMDefaultItemID = 1, kADMCancelItemID = 2 };

/* Dialog handles, and the handles of the dialog's items, lists and entries,
   are the host's: valid from the call of the init procedure until the modal
   run returns ("while the dialog runs"); afterwards they are stale
   (kBadHandleErr). A null result pointer gets kBadParameterErr. */
typedef struct ADMDialogSuite {
  /* Build the dialog from the plug-in's dialog resource `dialogId`, call
     `initProc` (when not null), then run it modally until an item ends it.
     *itemHit is the id of the item that ended the dialog (1 for the
     default-item key, 2 for Cancel). kBadParameterErr when the resource is
     missing, and when the user's actions cannot be played on the dialog (a
     script naming an item it lacks; *itemHit is then 0); kBadHandleErr for a
     foreign plug-in reference; the init procedure's non-zero result ends the
     run at once and is returned (*itemHit 0). kBadParameterErr also for a null
     name or a dialogId outside 0 to 65535; kNotImplementedErr when the host
     runs without dialogs. `plugin`: the reference of the message; `name`:
     zero-terminated, copied; `style`: kept as given; `userData`: the plug-in's,
     never read by the host, handed back by getUserData; `itemHit` may be
     null. When: any message, also from a procedure of a dialog that is running
     (the new dialog runs on top and the call returns when it closes). */
  ASErr (*modal)(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style, ADMDialogInitProc initProc,
                 ADMUserData userData, int32_t* itemHit);
  /* The user data given to modal. kBadHandleErr for a bad dialog. When: while
     the dialog runs. */
  ASErr (*getUserData)(ADMDialogRef dialog, ADMUserData* userData);
  /* The item with this id, from the template or createItem; kBadParameterErr
     (and *item null) when there is none; kBadHandleErr for a bad dialog. When:
     while the dialog runs. */
  ASErr (*getItem)(ADMDialogRef dialog, int32_t itemId, ADMItemRef* item);
  /* Create an item of the named type (the kADM...Type names) at `bounds`
     (dialog pixels, copied) with the id `itemId`; *item (when `item` is not
     null) is its handle. `userData` is kept for the item; `initProc`, when
     not null, is called at once with the new item and its non-zero result is
     returned. kBadParameterErr for a null type or bounds, an unknown type
     name or an id already in use; kBadHandleErr for a bad dialog. When: while
     the dialog runs, usually from its init procedure. */
  ASErr (*createItem)(ADMDialogRef dialog, int32_t itemId, const char* itemType, const ADMRect* bounds,
                      ADMItemInitProc initProc, ADMUserData userData, ADMItemRef* item);
  /* The dialog's size in dialog pixels, keeping its top-left corner.
     kBadParameterErr for a negative width or height; kBadHandleErr for a bad
     dialog. When: while the dialog runs. */
  ASErr (*setSize)(ADMDialogRef dialog, int32_t width, int32_t height);
  /* Set the dialog's place and size on the screen (copied from `bounds`).
     kBadHandleErr for a bad dialog; kBadParameterErr for null bounds. When:
     while the dialog runs. */
  ASErr (*setBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
  /* The dialog's place and size on the screen. Codes and when: as above. */
  ASErr (*getBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
} ADMDialogSuite;
#ifdef __cplusplus
}
#endif
#endif
