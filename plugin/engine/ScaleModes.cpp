#include "plugin/engine/ScaleModes.h"

#include "plugin/engine/ContourIndex.h"
#include "plugin/params/ModeIds.h"

namespace {

void lower(ObjectState& o, AIReal dh, AIReal dv) {
  o.scaleFactorH = o.scaleFactorH - dh;
  o.scaleFactorV = o.scaleFactorV - dv;
}

// The run's steps as the record's percentages divided by `divisor`; the
// vertical step follows the horizontal one while the scales are linked.
void setSteps(const ContourParams& params, RunValues& run, AIReal divisor) {
  run.scaleStepH = params.scaleH / divisor;
  run.scaleStepV = params.linkContourScale != 0 ? run.scaleStepH : params.scaleV / divisor;
}

// The pulse modes divide the step by 1, 2, ... `period` in turn. A period
// below 1 (the random period of a run can be 0) means no pulse at all: every
// contour takes the full step, as with a period of 1.
void pulse(const ContourParams& params, RunValues& run, ObjectState& o, int32_t k, int32_t period) {
  if (period < 1) period = 1;
  setSteps(params, run, static_cast<AIReal>(((k % period) + 1) * 100));
  lower(o, run.scaleStepH, run.scaleStepV);
}

}  // namespace

void updateScale(const ContourParams& params, RunValues& run, ObjectState& o, int32_t k, RandomDraws& draws) {
  const AIReal dh = run.scaleStepH;
  const AIReal dv = run.scaleStepV;
  const AIReal n = indexPlusOne(k);
  const int64_t count = params.contourCount;
  using enum ContourScaleMode;
  switch (static_cast<ContourScaleMode>(params.contourScaleMode)) {
    case Add: lower(o, dh, dv); break;
    case Accumulate:
      o.scaleFactorH = o.scaleFactorH * (1.0f - dh);
      o.scaleFactorV = o.scaleFactorV * (1.0f - dv);
      break;
    case Halved:
      if (isEven(k)) lower(o, dh, dv);
      else
        lower(o, 0.5f * dh, 0.5f * dv);
      break;
    case Drag: lower(o, dh / n, dv / n); break;
    case ByOnePercent: {
      const AIReal extra = 0.01f * static_cast<AIReal>(k);
      lower(o, dh + extra, dv + extra);
      break;
    }
    case ToHalfOriginal:
      lower(o, dh, dv);
      if (o.scaleFactorH < 0.5f) o.scaleFactorH = 0.5f;
      if (o.scaleFactorV < 0.5f) o.scaleFactorV = 0.5f;
      break;
    case Randomized: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      lower(o, r1 * dh, r2 * dv);
      break;
    }
    case LinkedVertical:
      o.scaleFactorH = o.scaleFactorH - dh;
      o.scaleFactorV = o.scaleFactorH;
      break;
    case LinkedHalfVertical:
      o.scaleFactorH = o.scaleFactorH - dh;
      o.scaleFactorV = 0.5f * o.scaleFactorH;
      break;
    case Jitter: {
      lower(o, dh, dv);
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      const AIReal r3 = nextDraw(draws);
      const AIReal r4 = nextDraw(draws);
      o.scaleFactorH = o.scaleFactorH + randomSign(r1) * 0.2f * r2;
      o.scaleFactorV = o.scaleFactorV + randomSign(r3) * 0.2f * r4;
      break;
    }
    case Rapid: {
      const AIReal h = 1.0f - dh;
      const AIReal v = 1.0f - dv;
      o.scaleFactorH = o.scaleFactorH * (h * h);
      o.scaleFactorV = o.scaleFactorV * (v * v);
      break;
    }
    case ScaleOption12: lower(o, 0.1f * n * dh, 0.1f * n * dv); break;
    case ScaleOption13: lower(o, 0.01f * (n * n) * dh, 0.01f * (n * n) * dv); break;
    case ScaleOption14:
      o.scaleFactorV = o.scaleFactorV - 0.1f * n * dv;
      o.scaleFactorH = o.scaleFactorH - 0.01f * (n * n) * dh;
      break;
    case ScaleOption15:
      o.scaleFactorV = o.scaleFactorV - 0.1f * n * dv;
      o.scaleFactorH = o.scaleFactorH - 0.1f * static_cast<AIReal>((k % 5) + 1) * dh;
      break;
    case ScaleOption16: {
      const AIReal parity = static_cast<AIReal>((k % 2) + 1);
      o.scaleFactorV = o.scaleFactorV - 0.02f * static_cast<AIReal>(static_cast<int64_t>(k) - 1) * parity * dv;
      o.scaleFactorH = o.scaleFactorH - 0.01f * static_cast<AIReal>((k % 5) + 1) * parity * dh;
      break;
    }
    case ScaleOption17: {
      const AIReal product = n * (n + 1.0f) * (n + 2.0f);
      lower(o, 0.0033333334f * product * dh, 0.0033333334f * product * dv);
      break;
    }
    case ScaleOption18: {
      const AIReal h = 1.0f - dh;
      const AIReal v = 1.0f - dv;
      lower(o, 1.0f - 0.5f * (h * h), 1.0f - 0.5f * (v * v));
      break;
    }
    case ModifiedByShift1: lower(o, 0.1f * (o.shiftOffsetH + 1.0f) * dh, 0.1f * (o.shiftOffsetV + 1.0f) * dv); break;
    case ModifiedByShift2: {
      const AIReal h = o.shiftOffsetH + 1.0f;
      const AIReal v = o.shiftOffsetV + 1.0f;
      lower(o, 0.01f * (h * h) * dh, 0.01f * (v * v) * dv);
      break;
    }
    case ReducedHalfway:  // half the step after the middle contour
      lower(o, dh, dv);
      if (k > count / 2) setSteps(params, run, 200.0f);
      break;
    case ThirdModified:  // a third of the step in the middle third
      lower(o, dh, dv);
      if (k > count / 3) setSteps(params, run, 300.0f);
      if (k > (2 * count) / 3) setSteps(params, run, 100.0f);
      break;
    case Pulse3: pulse(params, run, o, k, 3); break;
    case Pulse5: pulse(params, run, o, k, 5); break;
    case PulseRandom: pulse(params, run, o, k, run.pulsePeriod); break;
    default: break;
  }
}
