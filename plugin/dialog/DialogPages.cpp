#include "plugin/dialog/DialogPages.h"

#include <algorithm>

namespace {

constexpr int32_t kContour[] = {kContoursEdit,    kScaleHEdit,       kScaleVEdit,      kSkipEdit,
                                kCreateEdit,      kContourScaleList, kContoursLabel,   kContourScaleLabel,
                                kSkipCreateLabel, kLinkScaleCheck,   kPlaceAboveCheck, kScaleLinesCheck,
                                kContoursPick,    kScaleHPick,       kScaleVPick};
constexpr int32_t kRotate[] = {kRotationEdit, kRotationLabel, kRotationCenterList, kPathNumberEdit, kUsePathLabel,
                               kCenterXEdit,  kCenterYEdit,   kUserCenterLabel,    kRotationPick};
constexpr int32_t kShift[] = {kShiftHEdit, kShiftModeList, kShiftVEdit, kShiftLabel, kShiftHPick, kShiftVPick};
constexpr int32_t kPoints[] = {kPointsContourList,     kPointsVariationList,      kPointsContourEdit,  kVarianceEdit,
                               kInterpolateAnchorEdit, kInterpolateDirectionEdit, kPointsContourLabel, kVarianceLabel,
                               kInterpolateLabel,      kPointsContourPick};
constexpr int32_t kStyle[] = {kFillColorList,   kFillStepsEdit,        kFillSwatchEdit,       kStrokeColorList,
                              kStrokeStepsEdit, kStrokeSwatchEdit,     kPatternList,          kWidthModeList,
                              kWidthAmountEdit, kInterpolateStyleEdit, kInterpolateStyleLabel};
constexpr int32_t kSettings[] = {kPathAlternateFlipCheck,   kPathCreateCheck,       kPathOpacityCheck,
                                 kPointsKeepDirectionCheck, kPointsKeepAnchorCheck, kPointsRotateCenterCheck,
                                 kPathDeleteCheck,          kPointsAddScaleCheck,   kPointsApplyCheck};

const DialogPage kPages[] = {
    {kContourPage, kContourPageButton, kContourPageLabel, kContoursEdit, kContour},
    {kRotatePage, kRotatePageButton, kRotatePageLabel, kRotationEdit, kRotate},
    {kShiftPage, kShiftPageButton, kShiftPageLabel, kShiftHEdit, kShift},
    {kPointsPage, kPointsPageButton, kPointsPageLabel, kPointsContourEdit, kPoints},
    {kStylePage, kStylePageButton, kStylePageLabel, kFillColorList, kStyle},
    {kSettingsPage, kSettingsPageButton, kSettingsPageLabel, kPathAlternateFlipCheck, kSettings},
};

}  // namespace

std::span<const DialogPage> dialogPages() { return kPages; }

const DialogPage& pageOrFirst(int32_t currentPage) {
  return currentPage >= 1 && currentPage <= 6 ? kPages[currentPage - 1] : kPages[0];
}

const DialogPage* pageOfButton(int32_t itemId) {
  for (const DialogPage& page : kPages)
    if (page.button == itemId) return &page;
  return nullptr;
}

bool shownAtCreation(int32_t itemId) {
  for (const DialogPage& page : kPages)
    if (page.number != 1 && std::find(page.members.begin(), page.members.end(), itemId) != page.members.end())
      return false;
  return true;
}
