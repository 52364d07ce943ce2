#include "plugin/engine/RandomDraws.h"

#include "plugin/globals/SuiteSlots.h"

AIReal nextDraw(RandomDraws& draws) {
  AIReal value = 0.0f;
  ASErr err = sAIRandom->floatRandom(&value);
  if (err != kNoErr) {
    if (draws.error == kNoErr) draws.error = err;
    return 0.0f;
  }
  return value;
}
