#include "plugin/engine/WidthModes.h"

#include <cmath>

#include "plugin/engine/RandomDraws.h"
#include "plugin/params/ModeIds.h"

namespace {

// TargetSettings and TargetSettingsApprox reach the step width over contourCount contours. With no
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
  using enum WidthMode;
  switch (static_cast<WidthMode>(mode)) {
    case Add: return wd + a;
    case Accumulate: return ws + m * a;
    case Pulsed: return ws + static_cast<AIReal>(number % 10) * a;
    case RapidPulse: return ws + static_cast<AIReal>(number % 3) * a;
    case Swap: return ws + static_cast<AIReal>(static_cast<int64_t>(in.contourCount) - in.contourIndex) * a;
    case AddRandomized: return wd + nextDraw(draws) * a;
    case AccumulateRandomized: return ws + nextDraw(draws) * m * a;
    case UpToTenPointsRandomized: return nextDraw(draws) * 10.0f;
    case UpToSettingsRandomized: return nextDraw(draws) * a;
    case TargetSettings: return towardTarget(ws, a, m, in.contourCount);
    case TargetSettingsApprox: return towardTarget(wd, a, 1.0f, in.contourCount);
    case Multiplied: return wd * a;
    case Jitter: return nextDraw(draws) > 0.5f ? wd + a : wd - a;
    case JitterAccumulate: return nextDraw(draws) > 0.5f ? wd + m * a : wd - m * a;
    case Rapido: return ws - a * m * m * -0.1f;
    case Rapido1: return ws - a * m * m * m * -0.01f;
    default: return wd;
  }
}

AIReal drawableWidth(AIReal width) {
  if (!std::isfinite(width) || width < 0.0f) return 0.0f;
  return width;
}
