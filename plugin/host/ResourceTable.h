// The second way a module carries its compiled resources, for object formats
// that have no place the host can read them from (a WebAssembly module, a
// program the plug-in is linked into): the module exports this function,
// which gives the bytes of its compiled resource file (.res). A Linux module
// carries them in its ".contour_rsrc" section instead, a Windows module as
// Windows resources.
#ifndef PLUGIN_HOST_RESOURCETABLE_H
#define PLUGIN_HOST_RESOURCETABLE_H

#include <cstdint>

#include "plugin/host/HostTypes.h"

// The name the host looks the function up by.
#define kPluginResourceTableName "PluginResourceTable"

// Sets *bytes to the module's compiled resources, which stay valid while the
// module is loaded, and *size to their length. Returns kNoErr.
typedef ASErr (*PluginResourceTableProc)(const uint8_t** bytes, uint32_t* size);

#endif
