#include "plugin/engine/StyleVariation.h"

void paintContour(const ContourParams& params, const RunValues& run, const ObjectState& object, AIArtHandle source,
                  AIArtHandle copy, int32_t k) {
  const int32_t contourNumber = k + 1;
  colorStep(PaintPart::Fill, params.fillColorMode, source, copy, run.swatchCount, params.fillSwatchIndex,
            object.fillStepCount / 2, contourNumber, object.fillStepCount);
  colorStep(PaintPart::Stroke, params.strokeColorMode, source, copy, run.swatchCount, params.strokeSwatchIndex,
            object.strokeStepCount / 2, contourNumber, object.strokeStepCount);
  lineWidthStep(copy, source, params.widthMode, k, params.contourCount, run.widthStep, run.styleFraction,
                params.scaleLines, object.scaleFactorH, object.scaleFactorV);
  if (params.pathOpacity) opacityStep(copy);
}
