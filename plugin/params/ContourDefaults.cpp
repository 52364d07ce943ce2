#include "plugin/params/ContourParams.h"

// Only the fields that have a default are written: finalRun, the dialog bounds
// and the reserved fields keep what the host's new (zeroed) block holds.
void setContourDefaults(ContourParams& params) {
  params.previewOn = 1;
  params.pointsAddScale = 0;
  params.pathAlternateFlip = 0;
  params.linkContourScale = 1;
  params.scaleLines = 0;
  params.pointsKeepDirection = 0;
  params.pointsApply = 0;
  params.pathCreate = 0;
  params.pointsKeepAnchor = 0;
  params.pointsRotateCenter = 0;
  params.pathDelete = 0;
  params.placeAbove = 1;
  params.pathOpacity = 0;
  params.shiftMode = 0;
  params.currentPage = 1;
  params.contourCount = 12;
  params.contourScaleMode = 0;
  params.skipCount = 0;
  params.createCount = 1;
  params.presetStyle = 0;
  params.rotationCenterMode = 0;
  params.widthMode = 0;
  params.rotationPathNumber = 1;
  params.pointsVariationMode = 0;
  params.pointsContourMode = 0;
  params.viewZoom = 100.0f;
  params.scaleH = 4.0f;
  params.scaleV = 4.0f;
  params.shiftH = 0.0f;
  params.shiftV = 0.0f;
  params.rotation = 0.0f;
  params.centerX = 200.0f;
  params.centerY = 200.0f;
  params.pointsContourAmount = 0.0f;
  params.interpolateAnchor = 0.0f;
  params.interpolateDirection = 0.0f;
  params.interpolateStyle = 100.0f;
  params.pointsVariance = 0.0f;
  params.widthAmount = 0.0f;
  params.fillColorMode = 0;
  params.fillSwatchIndex = 2;
  params.fillSteps = 0;
  params.strokeColorMode = 0;
  params.strokeSwatchIndex = 2;
  params.strokeSteps = 0;
  params.patternMode = 0;
  params.previewShown = 0;
  params.dialogBoundsSaved = 0;
}
