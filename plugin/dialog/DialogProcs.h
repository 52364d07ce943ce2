// The procedures the settings dialog hands to its items.
#ifndef CONTOUR_DIALOG_DIALOGPROCS_H
#define CONTOUR_DIALOG_DIALOGPROCS_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/DialogItems.h"

// Copies the items into the record and, with Preview on, redraws the preview.
void commonValueNotify(ADMItemRef item, ADMNotifierRef notifier);
// Applies the zoom field to document view 0.
void zoomNotify(ADMItemRef item, ADMNotifierRef notifier);
// Shows the page of the pressed page button.
void pageButtonNotify(ADMItemRef item, ADMNotifierRef notifier);
// Sets a field from a point picked in the document view.
ASBoolean pickTrack(ADMItemRef item, ADMTrackerRef tracker);
// Replaces part of the settings with random values.
void tumbleNotify(ADMItemRef item, ADMNotifierRef notifier);
// Applies the chosen preset style.
void presetNotify(ADMItemRef item, ADMNotifierRef notifier);

// The notify procedure of an item's ItemProc (null for none and for the pick
// tracker, which is a track procedure).
ADMItemNotifyProc notifyProcOf(ItemProc proc);

// Shows the record in the items again and re-notifies the current page: the
// last step of every procedure that changes the record in code.
void showRecordAndRenotify(ADMDialogRef dialog, const ContourParams& record);
// Sends "ADM User Changed Notifier" to the current page's first item, then to
// its page button: the first redraws the preview, the second shows the page.
void renotifyPage(ADMDialogRef dialog, const ContourParams& record);

#endif
