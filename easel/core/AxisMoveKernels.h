#ifndef EASEL_CORE_AXIS_MOVE_KERNELS_H
#define EASEL_CORE_AXIS_MOVE_KERNELS_H

#include <span>
#include <vector>

#include "plugin/host/AIPath.h"

namespace easel {

// Moves every point of the segments: h becomes scale[0] * h + move[0] and v
// becomes scale[1] * v + move[1], each in double precision and rounded once
// to single precision.
using AxisMoveKernel = void (*)(std::span<AIPathSegment> segments, const double* scale, const double* move);

// The ways this build and processor have of doing it, the fastest first. All
// give the same floats: they differ only in how many coordinates one
// instruction takes.
std::vector<AxisMoveKernel> axisMoveKernels();

}  // namespace easel

#endif
