// Holding the host suites for the length of a PluginMain call. The nesting
// counter lets a call made from inside a modal dialog of the plug-in reuse the
// suites that the outer call holds, and keeps it from releasing them.
#ifndef CONTOUR_SHELL_SUITEACQUISITION_H
#define CONTOUR_SHELL_SUITEACQUISITION_H

#include "plugin/host/SPBasic.h"

// Acquires all suites in table order (or, nested, only counts). Returns the
// first failure's code; the suites acquired before it stay held.
ASErr acquireSuites(const SPBasicSuite* basic);
// Releases the held suites when the outermost call ends; always counts down.
void releaseSuites(const SPBasicSuite* basic);
// "Reload" starts counting afresh.
void resetNestingCounter();
int16_t nestingCounter();

#endif
