// The contour index k (0 to contourCount) as the progressions use it.
#ifndef CONTOUR_ENGINE_CONTOURINDEX_H
#define CONTOUR_ENGINE_CONTOURINDEX_H

#include <cstdint>

#include "plugin/host/HostTypes.h"

// k + 1 as a real, without overflowing for the largest index.
inline AIReal indexPlusOne(int32_t k) { return static_cast<AIReal>(static_cast<int64_t>(k) + 1); }

inline bool isEven(int32_t k) { return k % 2 == 0; }

#endif
