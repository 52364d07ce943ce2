// Shows a failing code to the user: the message that string list 16050 holds
// for it (or its catch-all message) and the code itself, in the error dialog.
#ifndef CONTOUR_SHELL_ERRORREPORT_H
#define CONTOUR_SHELL_ERRORREPORT_H

#include "plugin/host/HostTypes.h"

void reportError(ASErr code);

#endif
