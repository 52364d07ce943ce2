// The plug-in's one block of global state, allocated from the host's block
// allocator at start-up so that it outlives an unload of the library.
#ifndef CONTOUR_GLOBALS_PLUGINGLOBALS_H
#define CONTOUR_GLOBALS_PLUGINGLOBALS_H

#include "plugin/host/AllSuites.h"

struct PluginGlobals {
  AIFilterHandle filterHandle;       // the one filter registered at start-up
  int32_t filterCount;               // filters registered, 0 or 1
  SPBasicSuite* basicSuite;          // the basic suite of the start-up message
  AIMdMemoryHandle selectionHandle;  // the gathered selection (array of art handles), or null
  int32_t selectionCount;            // entries of selectionHandle; -1: no selection gathered
};

// Null outside the life between "Startup" and "Shutdown".
extern PluginGlobals* gPluginGlobals;

// The plug-in reference of the message being answered (for string lists and dialogs).
extern SPPluginRef gPluginRef;

#endif
