#include "plugin/dialog/DialogItems.h"

namespace {

using P = ContourParams;

constexpr ItemSpec spin(int32_t id, ADMRect r, FieldRef field, float min, float max,
                        ItemProc proc = ItemProc::CommonValue, SetupOrder order = SetupOrder::Standard) {
  return {id, ItemType::SpinEdit, r, nullptr, field, min, max, false, proc, order};
}
// The swatch numbers: 0 to the number of swatches in the document.
constexpr ItemSpec swatchSpin(int32_t id, ADMRect r, FieldRef field) {
  return {id, ItemType::SpinEdit, r, nullptr, field, 0, 0, true, ItemProc::CommonValue, SetupOrder::UnitsFirst};
}
constexpr ItemSpec label(int32_t id, ADMRect r, const char* text) {
  return {id, ItemType::StaticText, r, text, {}, 0, 0, false, ItemProc::None, SetupOrder::Standard};
}
constexpr ItemSpec check(int32_t id, ADMRect r, const char* text, FieldRef field) {
  return {id, ItemType::CheckBox, r, text, field, 0, 0, false, ItemProc::CommonValue, SetupOrder::Standard};
}
constexpr ItemSpec picture(int32_t id, ADMRect r, ItemProc proc) {
  return {id, ItemType::PictureButton, r, nullptr, {}, 0, 0, false, proc, SetupOrder::Standard};
}
constexpr ItemSpec button(int32_t id, ADMRect r, const char* text, ItemProc proc) {
  return {id, ItemType::TextButton, r, text, {}, 0, 0, false, proc, SetupOrder::Standard};
}
constexpr ItemSpec list(int32_t id, ADMRect r, FieldRef field, ItemProc proc, SetupOrder order) {
  return {id, ItemType::PopupList, r, nullptr, field, 0, 0, false, proc, order};
}

constexpr ItemProc kValue = ItemProc::CommonValue;
constexpr ItemProc kPick = ItemProc::PickTracker;
constexpr ItemProc kPage = ItemProc::PageButton;

const ItemSpec kItems[] = {
    spin(4, {180, 60, 240, 80}, &P::contourCount, 1, 200),
    spin(5, {180, 115, 240, 135}, &P::scaleH, -50, 50),
    spin(6, {280, 115, 340, 135}, &P::scaleV, -50, 50),
    spin(9, {180, 137, 240, 157}, &P::skipCount, 0, 40),
    spin(10, {280, 137, 340, 157}, &P::createCount, 1, 40),
    spin(21, {450, 215, 510, 235}, &P::viewZoom, 1, 500, ItemProc::Zoom, SetupOrder::UnitsFirst),
    spin(11, {180, 60, 240, 80}, &P::rotation, -360, 360),
    spin(12, {180, 115, 240, 135}, &P::rotationPathNumber, 1, 80),
    spin(13, {180, 137, 240, 157}, &P::centerX, -5000, 5000),
    spin(14, {250, 137, 310, 157}, &P::centerY, -5000, 5000),
    spin(7, {180, 60, 240, 80}, &P::shiftH, -2000, 2000),
    spin(8, {280, 60, 340, 80}, &P::shiftV, -2000, 2000),
    spin(16, {180, 60, 240, 80}, &P::pointsContourAmount, -500, 500),
    spin(17, {180, 110, 240, 130}, &P::pointsVariance, -500, 500),
    spin(18, {180, 160, 240, 180}, &P::interpolateAnchor, -800, 800),
    spin(19, {250, 160, 310, 180}, &P::interpolateDirection, -800, 800),
    swatchSpin(141, {190, 70, 250, 90}, &P::fillSwatchIndex),
    spin(142, {260, 70, 320, 90}, &P::fillSteps, 0, 1000, kValue, SetupOrder::UnitsFirst),
    swatchSpin(144, {190, 100, 250, 120}, &P::strokeSwatchIndex),
    spin(145, {260, 100, 320, 120}, &P::strokeSteps, 0, 1000, kValue, SetupOrder::UnitsFirst),
    spin(15, {190, 130, 250, 150}, &P::widthAmount, -200, 200),
    spin(20, {180, 190, 240, 210}, &P::interpolateStyle, 0, 100),
    label(70, {10, 60, 168, 80}, "Contours"),
    label(71, {10, 115, 168, 135}, "Contour scale (%)"),
    label(73, {10, 137, 168, 157}, "Skip/Create"),
    label(74, {10, 60, 168, 80}, "Rotation (/10)"),
    label(75, {10, 115, 168, 135}, "Use path"),
    label(76, {10, 137, 168, 157}, "User defined center (pts)"),
    label(72, {10, 60, 168, 80}, "Shift (pts)"),
    label(77, {10, 60, 168, 80}, "Points contour (pts)"),
    label(78, {10, 110, 168, 130}, "Variance (pts)"),
    label(79, {10, 160, 168, 180}, "Interpolate (%)"),
    label(80, {10, 190, 168, 210}, "Interpolate style (%)"),
    check(3, {428, 130, 508, 144}, "Preview", &P::previewOn),
    check(56, {10, 160, 300, 174}, "Link contour scale", &P::linkContourScale),
    check(60, {10, 177, 300, 191}, "Place above", &P::placeAbove),
    check(61, {10, 194, 300, 208}, "Scale lines", &P::scaleLines),
    check(51, {10, 60, 300, 74}, "Path - alternate flip", &P::pathAlternateFlip),
    check(50, {10, 77, 300, 91}, "Path - opacity [R]", &P::pathOpacity),
    check(55, {10, 94, 300, 108}, "Path - delete (visible in preview)", &P::pathDelete),
    check(57, {10, 111, 300, 125}, "Path - create [R]", &P::pathCreate),
    check(53, {10, 128, 300, 142}, "Points - ignore direction", &P::pointsKeepDirection),
    check(52, {10, 145, 300, 159}, "Points - ignore anchor", &P::pointsKeepAnchor),
    check(54, {10, 162, 300, 176}, "Points - rotate center", &P::pointsRotateCenter),
    check(58, {10, 179, 300, 193}, "Points - add scale", &P::pointsAddScale),
    check(59, {10, 196, 300, 210}, "Points - apply(R)", &P::pointsApply),
    picture(120, {250, 60, 270, 80}, kPick),
    picture(121, {250, 115, 270, 135}, kPick),
    picture(122, {350, 115, 370, 135}, kPick),
    picture(123, {250, 60, 270, 80}, kPick),
    picture(124, {250, 60, 270, 80}, kPick),
    picture(125, {350, 60, 370, 80}, kPick),
    picture(126, {250, 60, 270, 80}, kPick),
    button(2, {428, 40, 508, 60}, "Cancel", ItemProc::None),
    button(90, {428, 70, 508, 90}, "Shuffle", kValue),
    button(91, {428, 100, 508, 120}, "Tumble", ItemProc::Tumble),
    picture(100, {10, 5, 60, 35}, kPage),
    picture(101, {70, 5, 120, 35}, kPage),
    picture(102, {130, 5, 180, 35}, kPage),
    picture(103, {190, 5, 240, 35}, kPage),
    picture(104, {250, 5, 300, 35}, kPage),
    picture(105, {310, 5, 360, 35}, kPage),
    label(106, {12, 40, 72, 55}, "Contour"),
    label(107, {76, 40, 126, 55}, "Rotate"),
    label(108, {138, 40, 184, 55}, "Shift"),
    label(109, {193, 40, 257, 55}, "Points"),
    label(110, {258, 40, 308, 55}, "Style"),
    label(111, {310, 40, 360, 55}, "Settings"),
    list(30, {428, 150, 508, 170}, &P::presetStyle, ItemProc::Preset, SetupOrder::AttachAfterFilling),
    list(32, {10, 85, 200, 105}, &P::contourScaleMode, kValue, SetupOrder::AttachAfterFilling),
    list(33, {10, 90, 200, 110}, &P::rotationCenterMode, kValue, SetupOrder::AttachAfterFilling),
    list(36, {10, 90, 200, 110}, &P::shiftMode, kValue, SetupOrder::AttachAfterFilling),
    list(140, {10, 70, 180, 90}, &P::fillColorMode, kValue, SetupOrder::AttachAtCreation),
    list(143, {10, 100, 180, 120}, &P::strokeColorMode, kValue, SetupOrder::AttachAtCreation),
    list(31, {10, 130, 180, 150}, &P::widthMode, kValue, SetupOrder::AttachBeforeFilling),
    list(146, {10, 160, 180, 180}, &P::patternMode, kValue, SetupOrder::AttachAtCreation),
    list(34, {10, 85, 200, 105}, &P::pointsContourMode, kValue, SetupOrder::AttachBeforeFilling),
    list(35, {10, 135, 200, 155}, &P::pointsVariationMode, kValue, SetupOrder::AttachBeforeFilling),
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
