#include "plugin/engine/SwatchColor.h"

#include "plugin/engine/RandomDraws.h"
#include "plugin/globals/SuiteSlots.h"

int32_t usableSwatchNumber(int64_t number, int32_t swatchCount) {
  const int64_t last = static_cast<int64_t>(swatchCount) - 1;
  if (number > last) number = last;
  if (number < 0) number = 0;
  if (number == 0 || number == 1) number = 2;
  return static_cast<int32_t>(number);
}

int32_t randomSwatchNumber(int32_t swatchCount) {
  RandomDraws draws;  // the colour steps report no error
  const AIReal scaled = nextDraw(draws) * static_cast<AIReal>(swatchCount);
  return usableSwatchNumber(static_cast<int64_t>(scaled) + 1, swatchCount);
}

bool readSwatchColor(int32_t number, AIColor& color) {
  AISwatchRef swatch = nullptr;
  if (sAISwatchList->getNthSwatch(nullptr, number, &swatch) != kNoErr || swatch == nullptr) return false;
  return sAISwatchList->getSwatchColor(swatch, &color) == kNoErr;
}
