#include "plugin/params/DialogItems.h"

#include "plugin/params/ParamFields.h"

namespace {

// The field an item shows and its range come from the field table.
constexpr const ParamField& shown(ItemId id) { return *paramFieldShownBy(id); }

constexpr ItemSpec spin(ItemId id, ADMRect r, ItemProc proc = ItemProc::CommonValue,
                        SetupOrder order = SetupOrder::Standard) {
  const ParamField& f = shown(id);
  return {id,   ItemType::SpinEdit, r, nullptr, f.field, f.range->minimum, f.range->maximum, f.range->swatchBound, proc,
          order};
}
constexpr ItemSpec label(ItemId id, ADMRect r, const char* text) {
  return {id, ItemType::StaticText, r, text, {}, 0, 0, false, ItemProc::None, SetupOrder::Standard};
}
constexpr ItemSpec check(ItemId id, ADMRect r, const char* text) {
  return {id, ItemType::CheckBox, r, text, shown(id).field, 0, 0, false, ItemProc::CommonValue, SetupOrder::Standard};
}
constexpr ItemSpec picture(ItemId id, ADMRect r, ItemProc proc) {
  return {id, ItemType::PictureButton, r, nullptr, {}, 0, 0, false, proc, SetupOrder::Standard};
}
constexpr ItemSpec button(ItemId id, ADMRect r, const char* text, ItemProc proc) {
  return {id, ItemType::TextButton, r, text, {}, 0, 0, false, proc, SetupOrder::Standard};
}
constexpr ItemSpec list(ItemId id, ADMRect r, ItemProc proc, SetupOrder order) {
  return {id, ItemType::PopupList, r, nullptr, shown(id).field, 0, 0, false, proc, order};
}

constexpr ItemProc kValue = ItemProc::CommonValue;
constexpr ItemProc kPick = ItemProc::PickTracker;
constexpr ItemProc kPage = ItemProc::PageButton;

const ItemSpec kItems[] = {
    spin(kContoursEdit, {180, 60, 240, 80}),
    spin(kScaleHEdit, {180, 115, 240, 135}),
    spin(kScaleVEdit, {280, 115, 340, 135}),
    spin(kSkipEdit, {180, 137, 240, 157}),
    spin(kCreateEdit, {280, 137, 340, 157}),
    spin(kZoomEdit, {450, 215, 510, 235}, ItemProc::Zoom, SetupOrder::UnitsFirst),
    spin(kRotationEdit, {180, 60, 240, 80}),
    spin(kPathNumberEdit, {180, 115, 240, 135}),
    spin(kCenterXEdit, {180, 137, 240, 157}),
    spin(kCenterYEdit, {250, 137, 310, 157}),
    spin(kShiftHEdit, {180, 60, 240, 80}),
    spin(kShiftVEdit, {280, 60, 340, 80}),
    spin(kPointsContourEdit, {180, 60, 240, 80}),
    spin(kVarianceEdit, {180, 110, 240, 130}),
    spin(kInterpolateAnchorEdit, {180, 160, 240, 180}),
    spin(kInterpolateDirectionEdit, {250, 160, 310, 180}),
    spin(kFillSwatchEdit, {190, 70, 250, 90}, kValue, SetupOrder::UnitsFirst),
    spin(kFillStepsEdit, {260, 70, 320, 90}, kValue, SetupOrder::UnitsFirst),
    spin(kStrokeSwatchEdit, {190, 100, 250, 120}, kValue, SetupOrder::UnitsFirst),
    spin(kStrokeStepsEdit, {260, 100, 320, 120}, kValue, SetupOrder::UnitsFirst),
    spin(kWidthAmountEdit, {190, 130, 250, 150}),
    spin(kInterpolateStyleEdit, {180, 190, 240, 210}),
    label(kContoursLabel, {10, 60, 168, 80}, "Contours"),
    label(kContourScaleLabel, {10, 115, 168, 135}, "Contour scale (%)"),
    label(kSkipCreateLabel, {10, 137, 168, 157}, "Skip/Create"),
    label(kRotationLabel, {10, 60, 168, 80}, "Rotation (/10)"),
    label(kUsePathLabel, {10, 115, 168, 135}, "Use path"),
    label(kUserCenterLabel, {10, 137, 168, 157}, "User defined center (pts)"),
    label(kShiftLabel, {10, 60, 168, 80}, "Shift (pts)"),
    label(kPointsContourLabel, {10, 60, 168, 80}, "Points contour (pts)"),
    label(kVarianceLabel, {10, 110, 168, 130}, "Variance (pts)"),
    label(kInterpolateLabel, {10, 160, 168, 180}, "Interpolate (%)"),
    label(kInterpolateStyleLabel, {10, 190, 168, 210}, "Interpolate style (%)"),
    check(kPreviewCheck, {428, 130, 508, 144}, "Preview"),
    check(kLinkScaleCheck, {10, 160, 300, 174}, "Link contour scale"),
    check(kPlaceAboveCheck, {10, 177, 300, 191}, "Place above"),
    check(kScaleLinesCheck, {10, 194, 300, 208}, "Scale lines"),
    check(kPathAlternateFlipCheck, {10, 60, 300, 74}, "Path - alternate flip"),
    check(kPathOpacityCheck, {10, 77, 300, 91}, "Path - opacity [R]"),
    check(kPathDeleteCheck, {10, 94, 300, 108}, "Path - delete (visible in preview)"),
    check(kPathCreateCheck, {10, 111, 300, 125}, "Path - create [R]"),
    check(kPointsKeepDirectionCheck, {10, 128, 300, 142}, "Points - ignore direction"),
    check(kPointsKeepAnchorCheck, {10, 145, 300, 159}, "Points - ignore anchor"),
    check(kPointsRotateCenterCheck, {10, 162, 300, 176}, "Points - rotate center"),
    check(kPointsAddScaleCheck, {10, 179, 300, 193}, "Points - add scale"),
    check(kPointsApplyCheck, {10, 196, 300, 210}, "Points - apply(R)"),
    picture(kContoursPick, {250, 60, 270, 80}, kPick),
    picture(kScaleHPick, {250, 115, 270, 135}, kPick),
    picture(kScaleVPick, {350, 115, 370, 135}, kPick),
    picture(kRotationPick, {250, 60, 270, 80}, kPick),
    picture(kShiftHPick, {250, 60, 270, 80}, kPick),
    picture(kShiftVPick, {350, 60, 370, 80}, kPick),
    picture(kPointsContourPick, {250, 60, 270, 80}, kPick),
    button(kCancelButton, {428, 40, 508, 60}, "Cancel", ItemProc::None),
    button(kShuffleButton, {428, 70, 508, 90}, "Shuffle", kValue),
    button(kTumbleButton, {428, 100, 508, 120}, "Tumble", ItemProc::Tumble),
    picture(kContourPageButton, {10, 5, 60, 35}, kPage),
    picture(kRotatePageButton, {70, 5, 120, 35}, kPage),
    picture(kShiftPageButton, {130, 5, 180, 35}, kPage),
    picture(kPointsPageButton, {190, 5, 240, 35}, kPage),
    picture(kStylePageButton, {250, 5, 300, 35}, kPage),
    picture(kSettingsPageButton, {310, 5, 360, 35}, kPage),
    label(kContourPageLabel, {12, 40, 72, 55}, "Contour"),
    label(kRotatePageLabel, {76, 40, 126, 55}, "Rotate"),
    label(kShiftPageLabel, {138, 40, 184, 55}, "Shift"),
    label(kPointsPageLabel, {193, 40, 257, 55}, "Points"),
    label(kStylePageLabel, {258, 40, 308, 55}, "Style"),
    label(kSettingsPageLabel, {310, 40, 360, 55}, "Settings"),
    list(kPresetList, {428, 150, 508, 170}, ItemProc::Preset, SetupOrder::AttachAfterFilling),
    list(kContourScaleList, {10, 85, 200, 105}, kValue, SetupOrder::AttachAfterFilling),
    list(kRotationCenterList, {10, 90, 200, 110}, kValue, SetupOrder::AttachAfterFilling),
    list(kShiftModeList, {10, 90, 200, 110}, kValue, SetupOrder::AttachAfterFilling),
    list(kFillColorList, {10, 70, 180, 90}, kValue, SetupOrder::AttachAtCreation),
    list(kStrokeColorList, {10, 100, 180, 120}, kValue, SetupOrder::AttachAtCreation),
    list(kWidthModeList, {10, 130, 180, 150}, kValue, SetupOrder::AttachBeforeFilling),
    list(kPatternList, {10, 160, 180, 180}, kValue, SetupOrder::AttachAtCreation),
    list(kPointsContourList, {10, 85, 200, 105}, kValue, SetupOrder::AttachBeforeFilling),
    list(kPointsVariationList, {10, 135, 200, 155}, kValue, SetupOrder::AttachBeforeFilling),
};

static_assert(std::size(kItems) == 78, "the settings dialog has 78 items");

}  // namespace

std::span<const ItemSpec> dialogItems() { return kItems; }

const ItemSpec* dialogItem(int32_t id) {
  for (const ItemSpec& item : kItems)
    if (item.id == id) return &item;
  return nullptr;
}

const char* itemTypeName(ItemType type) {
  switch (type) {
    case ItemType::SpinEdit: return kADMSpinEditType;
    case ItemType::StaticText: return kADMTextStaticType;
    case ItemType::CheckBox: return kADMTextCheckBoxType;
    case ItemType::PictureButton: return kADMPicturePushButtonType;
    case ItemType::TextButton: return kADMTextPushButtonType;
    case ItemType::PopupList: return kADMPopupListType;
  }
  return kADMTextStaticType;
}
