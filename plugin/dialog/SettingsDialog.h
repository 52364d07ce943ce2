// The settings dialog, run modally by the Get-Parameters handler on the live
// record, which it receives as the dialog's user data.
#ifndef CONTOUR_DIALOG_SETTINGSDIALOG_H
#define CONTOUR_DIALOG_SETTINGSDIALOG_H

#include "plugin/host/AllSuites.h"

// The dialog's init procedure: builds the dialog from the record and gathers
// the selection that the previews and the final run work on.
ASErr settingsDialogInit(ADMDialogRef dialog);

#endif
