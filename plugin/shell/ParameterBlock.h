// The filter's parameter block: the host memory handle that holds ContourParams.
#ifndef CONTOUR_SHELL_PARAMETERBLOCK_H
#define CONTOUR_SHELL_PARAMETERBLOCK_H

#include "plugin/host/AllSuites.h"
#include "plugin/params/ContourParams.h"

// The record in `block`. A block shorter than the record (not one of ours) is
// first grown to the record's size, its new bytes zero, so that nothing is
// read or written past its end. *params is null when the handle is empty or
// its block has no memory; the host's error codes are returned unchanged.
ASErr contourRecord(AIMdMemoryHandle block, ContourParams** params);

#endif
