// The "AI Get Parameters" message: the record's first allocation and the
// settings dialog, with the record put back when the user cancels.
#ifndef CONTOUR_PARAMS_GETPARAMETERS_H
#define CONTOUR_PARAMS_GETPARAMETERS_H

#include "plugin/host/AllSuites.h"

// 0 when the dialog was accepted, "STOP" when it was cancelled, "!MEM" when
// the host gave no parameter block, or the host's own error code.
ASErr getParameters(AIFilterMessage* message);

#endif
