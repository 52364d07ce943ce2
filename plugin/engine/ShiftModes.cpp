#include "plugin/engine/ShiftModes.h"

#include "plugin/engine/ContourIndex.h"

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
  switch (params.shiftMode) {
    case 0:  // As is
      add(o, sh, sv);
      break;
    case 1:  // Accumulate
      add(o, n * sh, n * sv);
      break;
    case 2:  // Accumulate/10
      add(o, 0.1f * n * sh, 0.1f * n * sv);
      break;
    case 3:  // Alternate/2
      if (isEven(k)) add(o, sh, sv);
      else
        add(o, 0.5f * sh, 0.5f * sv);
      break;
    case 4:  // Accumulate alternate/2
      if (isEven(k)) add(o, 0.1f * n * sh, 0.1f * n * sv);
      else
        add(o, 0.05f * n * sh, 0.05f * n * sv);
      break;
    case 5:  // Rapid/10
      add(o, 0.1f * (n * n) * sh, 0.1f * (n * n) * sv);
      break;
    case 6: {  // Random
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      add(o, r1 * sh, r2 * sv);
      break;
    }
    case 7: {  // Random accumulate
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      add(o, r1 * sh * n, r2 * sv * n);
      break;
    }
    case 8: {  // Jitter
      const AIReal r1 = nextDraw(draws);
      const AIReal r2 = nextDraw(draws);
      const AIReal r3 = nextDraw(draws);
      const AIReal r4 = nextDraw(draws);
      add(o, randomSign(r1) * r2 * sh, randomSign(r3) * r4 * sv);
      break;
    }
    case 9: {  // Change course: ten contours along each side of a four-sided walk
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
    case 10:  // Zag: twenty contours up, twenty down
      if (k % 40 < 20) add(o, sh, sv);
      else
        add(o, sh, -sv);
      break;
    case 11: {  // Local: replaced, not accumulated
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
