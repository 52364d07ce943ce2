#include "plugin/engine/ColorModes.h"

#include "plugin/engine/RandomDraws.h"

namespace {

// How many components the modes change for a colour kind (0: none).
int32_t componentCount(int32_t kind) {
  switch (kind) {
    case kGrayColor: return 1;
    case kFourColor: return 4;
    case kThreeColor: return 3;
    default: return 0;
  }
}

// "No paint" and "full paint" of a component: ink for grey and four-colour
// (white is no ink), light for RGB (white is full light).
struct Extremes {
  AIReal white, black;
};

Extremes extremesOf(int32_t kind) { return kind == kThreeColor ? Extremes{1.0f, 0.0f} : Extremes{0.0f, 1.0f}; }

// x moved toward `target` by step/S of the way. Written as x + (target - x)·k/S,
// which for a target of 0 rounds exactly as x - x·k/S.
AIReal toward(AIReal x, AIReal target, AIReal step, AIReal steps) { return x + (target - x) * step / steps; }

void randomColor(AIColor& color) {
  RandomDraws draws;  // the colour steps report no error
  AIReal* x = color.c.components;
  switch (color.kind) {
    case kGrayColor: x[0] = nextDraw(draws); break;
    case kFourColor:
      x[0] = nextDraw(draws);
      x[1] = nextDraw(draws);
      x[2] = nextDraw(draws);
      x[3] = nextDraw(draws) * x[3];
      break;
    case kThreeColor:
      x[0] = nextDraw(draws);
      x[1] = nextDraw(draws);
      x[2] = nextDraw(draws);
      break;
  }
}

}  // namespace

bool colorModeSetsPaint(ColorMode mode) {
  return mode == ColorMode::RandomSwatches || mode == ColorMode::ToSwatch || mode == ColorMode::AlternateSwatch ||
         mode == ColorMode::AlternateInverted;
}

void applyColorMode(ColorMode mode, AIColor& color, const AIColor* swatch, const ColorProgress& at) {
  const int32_t count = componentCount(color.kind);
  if (count == 0) return;
  if (mode == ColorMode::RandomColors) {
    randomColor(color);
    return;
  }
  const Extremes ends = extremesOf(color.kind);
  const bool odd = at.contourNumber % 2 != 0;
  const AIReal k = static_cast<AIReal>(at.contourNumber);
  const AIReal steps = static_cast<AIReal>(at.steps);
  const AIReal twoSteps = 2.0f * steps;
  // Past the midpoint the progression runs backwards: t = half - k.
  const AIReal midpointStep =
      at.contourNumber <= at.half ? k : static_cast<AIReal>(static_cast<int64_t>(at.half) - at.contourNumber);

  for (int32_t j = 0; j < count; ++j) {
    AIReal& x = color.c.components[j];
    using enum ColorMode;
    switch (mode) {
      case ToWhite: x = toward(x, ends.white, k, steps); break;
      case ToBlack: x = toward(x, ends.black, k, steps); break;
      case ToWhiteMidpoint: x = toward(x, ends.white, midpointStep, steps); break;
      case ToSwatch: x = toward(x, swatch->c.components[j], k, steps); break;
      case ToHalfColor: x = x - x * k / twoSteps; break;
      case ToInverted: x = x + (1.0f - 2.0f * x) * k / steps; break;
      case AlternateWhite:
        if (odd) x = ends.white;
        break;
      case AlternateBlack:
        if (odd) x = ends.black;
        break;
      case AlternateSwatch:
        if (odd) x = swatch->c.components[j];
        break;
      case AlternateInverted:
        if (odd) x = 1.0f - x;
        break;
      case ToHalfColorInverted:
        x = x <= 1.0f - x / 2.0f ? x + (1.0f - x) * k / twoSteps : x - (1.0f - x) * k / twoSteps;
        break;
      case TenPercentReduction: x = x - 0.9f * x * k / steps; break;
      default: break;
    }
  }
}
