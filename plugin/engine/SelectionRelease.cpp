#include "plugin/engine/SelectionRelease.h"

#include "plugin/globals/PluginGlobals.h"
#include "plugin/globals/SuiteSlots.h"

void releaseSelection() {
  if (gPluginGlobals == nullptr) return;
  if (gPluginGlobals->selectionHandle != nullptr) {
    // Nothing useful can be done when the host refuses the handle: forget it either way.
    (void)sAIMdMemory->disposeHandle(gPluginGlobals->selectionHandle);
    gPluginGlobals->selectionHandle = nullptr;
  }
  gPluginGlobals->selectionCount = -1;
}
