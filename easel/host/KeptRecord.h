// The filter's parameter block read as the plug-in's record: the one place
// where the host turns the bytes it keeps into a ContourParams, so that every
// shell applies the same size rule and none holds a pointer into the block.
#ifndef EASEL_HOST_KEPTRECORD_H
#define EASEL_HOST_KEPTRECORD_H

#include <optional>

#include "PluginHost.h"
#include "plugin/params/ContourParams.h"

namespace easel::host {

// A copy of the kept record; none when there is no block or when its size is
// not that of the record (a block the plug-in did not write as one).
std::optional<ContourParams> keptRecord(PluginHost& host);

// Keeps `record` as the filter's parameter block, as the plug-in would.
void keepRecord(PluginHost& host, const ContourParams& record);

}  // namespace easel::host

#endif
