// Which items are enabled, by the values they depend on: applied by the
// common value notifier while Preview is on.
#ifndef CONTOUR_DIALOG_ENABLINGRULES_H
#define CONTOUR_DIALOG_ENABLINGRULES_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"

void applyEnablingRules(ADMDialogRef dialog, const ContourParams& record);

#endif
