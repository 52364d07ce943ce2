// The settings dialog's item ids, by what each item is. The dialog scripts,
// the enabling rules and the field table all name items this way; the
// numbers are what the host's dialog manager knows the items by.
#ifndef CONTOUR_PARAMS_ITEMIDS_H
#define CONTOUR_PARAMS_ITEMIDS_H

#include <cstdint>

#include "plugin/host/ADMDialog.h"

// Unscoped so that an id passes to the host's calls as the int32_t they take.
enum ItemId : int32_t {
  kNoItem = 0,
  kCancelButton = kADMCancelItemID,
  kPreviewCheck = 3,
  // Spin edits.
  kContoursEdit = 4,
  kScaleHEdit = 5,
  kScaleVEdit = 6,
  kShiftHEdit = 7,
  kShiftVEdit = 8,
  kSkipEdit = 9,
  kCreateEdit = 10,
  kRotationEdit = 11,
  kPathNumberEdit = 12,
  kCenterXEdit = 13,
  kCenterYEdit = 14,
  kWidthAmountEdit = 15,
  kPointsContourEdit = 16,
  kVarianceEdit = 17,
  kInterpolateAnchorEdit = 18,
  kInterpolateDirectionEdit = 19,
  kInterpolateStyleEdit = 20,
  kZoomEdit = 21,
  // Popup lists.
  kPresetList = 30,
  kWidthModeList = 31,
  kContourScaleList = 32,
  kRotationCenterList = 33,
  kPointsContourList = 34,
  kPointsVariationList = 35,
  kShiftModeList = 36,
  // Check boxes.
  kPathOpacityCheck = 50,
  kPathAlternateFlipCheck = 51,
  kPointsKeepAnchorCheck = 52,
  kPointsKeepDirectionCheck = 53,
  kPointsRotateCenterCheck = 54,
  kPathDeleteCheck = 55,
  kLinkScaleCheck = 56,
  kPathCreateCheck = 57,
  kPointsAddScaleCheck = 58,
  kPointsApplyCheck = 59,
  kPlaceAboveCheck = 60,
  kScaleLinesCheck = 61,
  // Labels.
  kContoursLabel = 70,
  kContourScaleLabel = 71,
  kShiftLabel = 72,
  kSkipCreateLabel = 73,
  kRotationLabel = 74,
  kUsePathLabel = 75,
  kUserCenterLabel = 76,
  kPointsContourLabel = 77,
  kVarianceLabel = 78,
  kInterpolateLabel = 79,
  kInterpolateStyleLabel = 80,
  // Buttons.
  kShuffleButton = 90,
  kTumbleButton = 91,
  kContourPageButton = 100,
  kRotatePageButton = 101,
  kShiftPageButton = 102,
  kPointsPageButton = 103,
  kStylePageButton = 104,
  kSettingsPageButton = 105,
  kContourPageLabel = 106,
  kRotatePageLabel = 107,
  kShiftPageLabel = 108,
  kPointsPageLabel = 109,
  kStylePageLabel = 110,
  kSettingsPageLabel = 111,
  // Pick buttons, each beside the spin edit it sets.
  kContoursPick = 120,
  kScaleHPick = 121,
  kScaleVPick = 122,
  kRotationPick = 123,
  kShiftHPick = 124,
  kShiftVPick = 125,
  kPointsContourPick = 126,
  // The Style page's colour, swatch and step items.
  kFillColorList = 140,
  kFillSwatchEdit = 141,
  kFillStepsEdit = 142,
  kStrokeColorList = 143,
  kStrokeSwatchEdit = 144,
  kStrokeStepsEdit = 145,
  kPatternList = 146,
};

// The dialog's pages, by the number `currentPage` stores.
enum PageNumber : int32_t {
  kNoPage = 0,  // shown on every page, or by no item at all
  kContourPage = 1,
  kRotatePage = 2,
  kShiftPage = 3,
  kPointsPage = 4,
  kStylePage = 5,
  kSettingsPage = 6,
};

#endif
