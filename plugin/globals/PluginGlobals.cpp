#include "plugin/globals/PluginGlobals.h"

PluginGlobals* gPluginGlobals = nullptr;
SPPluginRef gPluginRef = nullptr;
