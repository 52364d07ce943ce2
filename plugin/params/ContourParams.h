// The filter's parameter record: 57 consecutive 32-bit fields that the host
// keeps as the filter's parameter block between runs. The settings dialog
// edits it in place and the engine reads it on every run. Its layout is part
// of what the host stores, so it never changes.
#ifndef CONTOUR_PARAMS_CONTOURPARAMS_H
#define CONTOUR_PARAMS_CONTOURPARAMS_H

#include <cstddef>
#include <cstdint>

struct ContourParams {
  int32_t previewOn;            // flag: live preview while the dialog is open
  int32_t pointsAddScale;       // flag
  int32_t pathAlternateFlip;    // flag
  int32_t linkContourScale;     // flag: the vertical scale step takes the horizontal value
  int32_t scaleLines;           // flag
  int32_t pointsKeepDirection;  // flag
  int32_t pointsApply;          // flag
  int32_t pathCreate;           // flag: random creation of contours
  int32_t pointsKeepAnchor;     // flag
  int32_t pointsRotateCenter;   // flag
  int32_t pathDelete;           // flag: delete the selected art after a final run
  int32_t placeAbove;           // flag: contours above (1) or below (0) the selected art
  int32_t pathOpacity;          // flag: random opacity per contour
  int32_t shiftMode;            // Shift mode list entry id
  int32_t currentPage;          // dialog page on show, 1 to 6
  int32_t contourCount;         // contour steps; contourCount + 1 contours per object
  int32_t contourScaleMode;     // Contour scale mode list entry id
  int32_t skipCount;
  int32_t createCount;
  int32_t presetStyle;          // Preset style list entry id chosen last
  int32_t rotationCenterMode;   // Rotation centre list entry id
  int32_t widthMode;            // Width mode list entry id
  int32_t rotationPathNumber;   // 1-based number of the selected object used as rotation centre
  int32_t pointsVariationMode;  // Points variation list entry id
  int32_t pointsContourMode;    // Points contour list entry id
  float viewZoom;               // percent
  float scaleH;                 // percent per contour
  float scaleV;
  float shiftH;  // points
  float shiftV;
  float rotation;  // tenths of a degree per contour
  float centerX;   // user rotation centre, points
  float centerY;
  float pointsContourAmount;   // tenths of a point per contour
  float interpolateAnchor;     // percent
  float interpolateDirection;  // percent
  float interpolateStyle;      // percent
  float pointsVariance;        // tenths of a point
  float widthAmount;           // tenths of a point
  int32_t fillColorMode;       // Fill colour list entry id
  int32_t fillSwatchIndex;
  int32_t fillSteps;        // 0 stands for contourCount + 1
  int32_t strokeColorMode;  // Stroke colour list entry id
  int32_t strokeSwatchIndex;
  int32_t strokeSteps;
  int32_t patternMode;       // Pattern list entry id
  int32_t finalRun;          // 1 for the host's "AI Go", 0 for a preview
  int32_t previewShown;      // 1 while preview contours are in the document
  int32_t dialogBoundsLeft;  // last bounds of the settings dialog
  int32_t dialogBoundsTop;
  int32_t dialogBoundsRight;
  int32_t dialogBoundsBottom;
  int32_t reserved1;
  int32_t reserved2;
  int32_t reserved3;
  int32_t reserved4;
  int32_t dialogBoundsSaved;  // flag: the four bounds fields hold a position
};

static_assert(sizeof(float) == 4, "reals are IEEE single precision");
static_assert(sizeof(ContourParams) == 228, "the parameter block is 57 fields of 4 bytes");
static_assert(offsetof(ContourParams, previewOn) == 0 * 4);
static_assert(offsetof(ContourParams, pointsAddScale) == 1 * 4);
static_assert(offsetof(ContourParams, pathAlternateFlip) == 2 * 4);
static_assert(offsetof(ContourParams, linkContourScale) == 3 * 4);
static_assert(offsetof(ContourParams, scaleLines) == 4 * 4);
static_assert(offsetof(ContourParams, pointsKeepDirection) == 5 * 4);
static_assert(offsetof(ContourParams, pointsApply) == 6 * 4);
static_assert(offsetof(ContourParams, pathCreate) == 7 * 4);
static_assert(offsetof(ContourParams, pointsKeepAnchor) == 8 * 4);
static_assert(offsetof(ContourParams, pointsRotateCenter) == 9 * 4);
static_assert(offsetof(ContourParams, pathDelete) == 10 * 4);
static_assert(offsetof(ContourParams, placeAbove) == 11 * 4);
static_assert(offsetof(ContourParams, pathOpacity) == 12 * 4);
static_assert(offsetof(ContourParams, shiftMode) == 13 * 4);
static_assert(offsetof(ContourParams, currentPage) == 14 * 4);
static_assert(offsetof(ContourParams, contourCount) == 15 * 4);
static_assert(offsetof(ContourParams, contourScaleMode) == 16 * 4);
static_assert(offsetof(ContourParams, skipCount) == 17 * 4);
static_assert(offsetof(ContourParams, createCount) == 18 * 4);
static_assert(offsetof(ContourParams, presetStyle) == 19 * 4);
static_assert(offsetof(ContourParams, rotationCenterMode) == 20 * 4);
static_assert(offsetof(ContourParams, widthMode) == 21 * 4);
static_assert(offsetof(ContourParams, rotationPathNumber) == 22 * 4);
static_assert(offsetof(ContourParams, pointsVariationMode) == 23 * 4);
static_assert(offsetof(ContourParams, pointsContourMode) == 24 * 4);
static_assert(offsetof(ContourParams, viewZoom) == 25 * 4);
static_assert(offsetof(ContourParams, scaleH) == 26 * 4);
static_assert(offsetof(ContourParams, scaleV) == 27 * 4);
static_assert(offsetof(ContourParams, shiftH) == 28 * 4);
static_assert(offsetof(ContourParams, shiftV) == 29 * 4);
static_assert(offsetof(ContourParams, rotation) == 30 * 4);
static_assert(offsetof(ContourParams, centerX) == 31 * 4);
static_assert(offsetof(ContourParams, centerY) == 32 * 4);
static_assert(offsetof(ContourParams, pointsContourAmount) == 33 * 4);
static_assert(offsetof(ContourParams, interpolateAnchor) == 34 * 4);
static_assert(offsetof(ContourParams, interpolateDirection) == 35 * 4);
static_assert(offsetof(ContourParams, interpolateStyle) == 36 * 4);
static_assert(offsetof(ContourParams, pointsVariance) == 37 * 4);
static_assert(offsetof(ContourParams, widthAmount) == 38 * 4);
static_assert(offsetof(ContourParams, fillColorMode) == 39 * 4);
static_assert(offsetof(ContourParams, fillSwatchIndex) == 40 * 4);
static_assert(offsetof(ContourParams, fillSteps) == 41 * 4);
static_assert(offsetof(ContourParams, strokeColorMode) == 42 * 4);
static_assert(offsetof(ContourParams, strokeSwatchIndex) == 43 * 4);
static_assert(offsetof(ContourParams, strokeSteps) == 44 * 4);
static_assert(offsetof(ContourParams, patternMode) == 45 * 4);
static_assert(offsetof(ContourParams, finalRun) == 46 * 4);
static_assert(offsetof(ContourParams, previewShown) == 47 * 4);
static_assert(offsetof(ContourParams, dialogBoundsLeft) == 48 * 4);
static_assert(offsetof(ContourParams, dialogBoundsTop) == 49 * 4);
static_assert(offsetof(ContourParams, dialogBoundsRight) == 50 * 4);
static_assert(offsetof(ContourParams, dialogBoundsBottom) == 51 * 4);
static_assert(offsetof(ContourParams, reserved1) == 52 * 4);
static_assert(offsetof(ContourParams, reserved2) == 53 * 4);
static_assert(offsetof(ContourParams, reserved3) == 54 * 4);
static_assert(offsetof(ContourParams, reserved4) == 55 * 4);
static_assert(offsetof(ContourParams, dialogBoundsSaved) == 56 * 4);

// Fills every field that has a default (a new parameter block).
void setContourDefaults(ContourParams& params);

#endif
