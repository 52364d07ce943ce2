// The line width step: a new stroke width for the copy, then the blend of the
// copy's style with the source object's by the style fraction.
#include "plugin/engine/StyleVariation.h"
#include "plugin/engine/WidthModes.h"
#include "plugin/globals/SuiteSlots.h"

namespace {

// With line scaling the width follows the area scale of the contour: it is
// multiplied by sqrt(|H| × |V|) twice.
AIReal scaledWidth(AIReal width, AIReal scaleFactorH, AIReal scaleFactorV) {
  const AIReal absH = scaleFactorH < 0.0f ? -scaleFactorH : scaleFactorH;
  const AIReal absV = scaleFactorV < 0.0f ? -scaleFactorV : scaleFactorV;
  AIReal root = 0.0f;
  sAIRealMath->squareRoot(absH * absV, &root);
  return width * root * root;
}

}  // namespace

ASErr lineWidthStep(AIArtHandle copy, AIArtHandle source, int32_t widthMode, int32_t contourIndex, int32_t contourCount,
                    AIReal widthStep, AIReal styleFraction, int32_t scaleLines, AIReal scaleFactorH,
                    AIReal scaleFactorV) {
  AIPathStyle computed;
  AIPathStyle sourceStyle;
  ASErr err = sAIPathStyle->getPathStyle(copy, &computed);
  if (err == kNoErr) err = sAIPathStyle->getPathStyle(source, &sourceStyle);
  if (err != kNoErr) return err;

  const WidthInputs in{computed.stroke.width, sourceStyle.stroke.width, widthStep, contourIndex, contourCount};
  AIReal width = widthForMode(widthMode, in);
  if (scaleLines) width = scaledWidth(width, scaleFactorH, scaleFactorV);
  computed.stroke.width = drawableWidth(width);
  sAIPathStyle->setPathStyle(copy, &computed);

  // A fraction outside 0..1 extrapolates and could give a width the host
  // refuses; the blended width is kept drawable like the computed one.
  AIPathStyle blended;
  err = sAIPathStyle->interpolatePathStyles(&computed, &sourceStyle, &blended, styleFraction);
  if (err != kNoErr) return err;
  blended.stroke.width = drawableWidth(blended.stroke.width);
  return sAIPathStyle->setPathStyle(copy, &blended);
}
