#include "plugin/engine/ShiftModes.h"

#include "plugin/engine/ContourIndex.h"
#include "plugin/params/ModeIds.h"

namespace {

void add(ObjectState& o, AIReal dh, AIReal dv) {
  o.shiftOffsetH = o.shiftOffsetH + dh;
  o.shiftOffsetV = o.shiftOffsetV + dv;
}

}  // namespace

void updateShift(const ContourParams& params, ObjectState& o, int32_t k, RandomDraws& draws) {
  const AIReal sh = params.shiftH;
  const AIReal sv = params.shiftV;
  const AIReal n = indexPlusOne(k);
  using enum ShiftMode;
  switch (static_cast<ShiftMode>(params.shiftMode)) {
    case AsIs: add(o, sh, sv); break;
    case Accumulate: add(o, n * sh, n * sv); break;
    case AccumulateTenth: add(o, 0.1f * n * sh, 0.1f * n * sv); break;
    case AlternateHalf:
      if (isEven(k)) add(o, sh, sv);
      else
        add(o, 0.5f * sh, 0.5f * sv);
      break;
    case AccumulateAlternateHalf:
      if (isEven(k)) add(o, 0.1f * n * sh, 0.1f * n * sv);
      else
        add(o, 0.05f * n * sh, 0.05f * n * sv);
      break;
    case RapidTenth: add(o, 0.1f * (n * n) * sh, 0.1f * (n * n) * sv); break;
    case Random: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      add(o, r1 * sh, r2 * sv);
      break;
    }
    case RandomAccumulate: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      add(o, r1 * sh * n, r2 * sv * n);
      break;
    }
    case Jitter: {
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      const AIReal r3 = nextDraw(draws);
      const AIReal r4 = nextDraw(draws);
      add(o, randomSign(r1) * r2 * sh, randomSign(r3) * r4 * sv);
      break;
    }
    case ChangeCourse: {  // ten contours along each side of a four-sided walk
      const int32_t q = k % 40;
      if (q < 10) add(o, sh, sv);
      else if (q < 20)
        add(o, -sh, sv);
      else if (q < 30)
        add(o, -sh, -sv);
      else
        add(o, sh, -sv);
      break;
    }
    case Zag:  // twenty contours up, twenty down
      if (k % 40 < 20) add(o, sh, sv);
      else
        add(o, sh, -sv);
      break;
    case Local: {  // replaced, not accumulated
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      const AIReal r3 = nextDraw(draws);
      const AIReal r4 = nextDraw(draws);
      o.shiftOffsetH = randomSign(r1) * r2 * sh;
      o.shiftOffsetV = randomSign(r3) * r4 * sv;
      break;
    }
    default: break;
  }
}
