// The filter's two messages: "AI Get Parameters" (the record's first
// allocation and the settings dialog, with the record put back when the user
// cancels) and "AI Go" (the final run on the record).
#ifndef CONTOUR_SHELL_FILTERMESSAGES_H
#define CONTOUR_SHELL_FILTERMESSAGES_H

#include "plugin/host/AllSuites.h"

// 0 when the dialog was accepted, "STOP" when it was cancelled, "!MEM" when
// the host gave no parameter block, or the host's own error code.
ASErr getParameters(AIFilterMessage* message);

// A final run with the message's parameter record. A message without a
// record runs nothing. Always returns 0: a failed run has already stopped and
// shows no message.
ASErr goFilter(AIFilterMessage* message);

#endif
