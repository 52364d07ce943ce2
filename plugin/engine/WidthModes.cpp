#include "plugin/engine/WidthModes.h"

#include <cmath>

#include "plugin/engine/RandomDraws.h"

namespace {

// Modes 10 and 11 reach the step width over contourCount contours. With no
// contour steps there is nothing to spread the change over: the one contour
// gets the target width instead of a division by zero.
AIReal towardTarget(AIReal from, AIReal target, AIReal numerator, int32_t contourCount) {
  if (contourCount == 0) return target;
  return from - (from - target) * numerator / static_cast<AIReal>(contourCount);
}

}  // namespace

AIReal widthForMode(int32_t mode, const WidthInputs& in) {
  const AIReal wd = in.current;
  const AIReal ws = in.source;
  const AIReal a = in.step;
  const int32_t number = in.contourIndex + 1;
  const AIReal m = static_cast<AIReal>(number);
  RandomDraws draws;  // the width step reports only its style writes
  switch (mode) {
    case 1: return wd + a;
    case 2: return ws + m * a;
    case 3: return ws + static_cast<AIReal>(number % 10) * a;
    case 4: return ws + static_cast<AIReal>(number % 3) * a;
    case 5: return ws + static_cast<AIReal>(static_cast<int64_t>(in.contourCount) - in.contourIndex) * a;
    case 6: return wd + nextDraw(draws) * a;
    case 7: return ws + nextDraw(draws) * m * a;
    case 8: return nextDraw(draws) * 10.0f;
    case 9: return nextDraw(draws) * a;
    case 10: return towardTarget(ws, a, m, in.contourCount);
    case 11: return towardTarget(wd, a, 1.0f, in.contourCount);
    case 12: return wd * a;
    case 13: return nextDraw(draws) > 0.5f ? wd + a : wd - a;
    case 14: return nextDraw(draws) > 0.5f ? wd + m * a : wd - m * a;
    case 15: return ws - a * m * m * -0.1f;
    case 16: return ws - a * m * m * m * -0.01f;
    default: return wd;
  }
}

AIReal drawableWidth(AIReal width) {
  if (!std::isfinite(width) || width < 0.0f) return 0.0f;
  return width;
}
