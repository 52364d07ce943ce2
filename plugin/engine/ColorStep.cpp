// The colour step: one procedure for the fill and the stroke part of a style.
#include "plugin/engine/ColorModes.h"
#include "plugin/engine/StyleVariation.h"
#include "plugin/engine/SwatchColor.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

// The paint flag and colour of one part of a path style.
struct Paint {
  ASBoolean& on;
  AIColor& color;
};

Paint paintOf(AIPathStyle& style, PaintPart part) {
  if (part == PaintPart::Fill) return {style.fillPaint, style.fill.color};
  return {style.strokePaint, style.stroke.color};
}

// The new paint of the part, starting from the source object's. False when a
// swatch the mode needs cannot be read: the copy then keeps its paint.
bool computePaint(Paint paint, ColorMode mode, int32_t swatchCount, int32_t swatchNumber, const ColorProgress& at) {
  AIColor swatch;
  if (mode == ColorMode::RandomSwatches) {
    if (!readSwatchColor(randomSwatchNumber(swatchCount), swatch)) return false;
    paint.color = swatch;
  } else if (mode == ColorMode::ToSwatch || mode == ColorMode::AlternateSwatch) {
    if (!readSwatchColor(usableSwatchNumber(swatchNumber, swatchCount), swatch)) return false;
    applyColorMode(mode, paint.color, &swatch, at);
  } else {
    applyColorMode(mode, paint.color, nullptr, at);
  }
  if (colorModeSetsPaint(mode)) paint.on = 1;
  return true;
}

}  // namespace

void colorStep(PaintPart part, int32_t mode, AIArtHandle source, AIArtHandle copy, int32_t swatchCount,
               int32_t swatchNumber, int32_t half, int32_t contourNumber, int32_t steps) {
  const auto colorMode = static_cast<ColorMode>(mode);
  if (colorMode == ColorMode::Ignore || steps == 0) return;
  AIPathStyle sourceStyle;
  if (sAIPathStyle->getPathStyle(source, &sourceStyle) != kNoErr) return;
  Paint computed = paintOf(sourceStyle, part);
  if (!computePaint(computed, colorMode, swatchCount, swatchNumber, {contourNumber, steps, half})) return;

  // Only this part changes: the other part keeps what its own step wrote.
  AIPathStyle copyStyle;
  if (sAIPathStyle->getPathStyle(copy, &copyStyle) != kNoErr) return;
  Paint target = paintOf(copyStyle, part);
  target.on = computed.on;
  target.color = computed.color;
  sAIPathStyle->setPathStyle(copy, &copyStyle);
}
