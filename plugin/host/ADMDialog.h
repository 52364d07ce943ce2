#ifndef CONTOUR_HOST_ADMDIALOG_H
#define CONTOUR_HOST_ADMDIALOG_H
#include "ADMTypes.h"
#ifdef __cplusplus
extern "C" {
#endif
#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3

/* Dialog handles are valid from the call of the init procedure until the modal
   run returns; afterwards they are stale (kBadHandleErr). */
typedef struct ADMDialogSuite {
  /* Build the dialog from the plug-in's dialog resource `dialogId`, call
     `initProc` (when not null), then run it modally until an item ends it.
     *itemHit is the id of the item that ended the dialog (1 for the
     default-item key, 2 for Cancel). kBadParameterErr when the resource is
     missing, and when the user's actions cannot be played on the dialog (a
     script naming an item it lacks; *itemHit is then 0); kBadHandleErr for a
     foreign plug-in reference; the init procedure's non-zero result ends the
     run at once and is returned. */
  ASErr (*modal)(SPPluginRef plugin, const char* name, int32_t dialogId, int32_t style, ADMDialogInitProc initProc,
                 ADMUserData userData, int32_t* itemHit);
  ASErr (*getUserData)(ADMDialogRef dialog, ADMUserData* userData);
  /* The item with this id; kBadParameterErr (and *item null) when there is none. */
  ASErr (*getItem)(ADMDialogRef dialog, int32_t itemId, ADMItemRef* item);
  /* Create an item of the named type (the kADM...Type names) at `bounds`.
     kBadParameterErr for an unknown type name or an id already in use. */
  ASErr (*createItem)(ADMDialogRef dialog, int32_t itemId, const char* itemType, const ADMRect* bounds,
                      ADMItemInitProc initProc, ADMUserData userData, ADMItemRef* item);
  /* The dialog's size in dialog pixels, keeping its top-left corner. */
  ASErr (*setSize)(ADMDialogRef dialog, int32_t width, int32_t height);
  /* The dialog's place and size on the screen. */
  ASErr (*setBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
  ASErr (*getBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
} ADMDialogSuite;
#ifdef __cplusplus
}
#endif
#endif
