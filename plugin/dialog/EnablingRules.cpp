#include "plugin/dialog/EnablingRules.h"

#include <initializer_list>
#include <optional>
#include <span>

#include "plugin/dialog/DialogContext.h"
#include "plugin/globals/SuiteSlots.h"
#include "plugin/params/ItemIds.h"
#include "plugin/params/ModeIds.h"

namespace {

bool oneOf(int32_t value, std::initializer_list<ColorMode> modes) {
  for (ColorMode mode : modes)
    if (static_cast<int32_t>(mode) == value) return true;
  return false;
}

// The rotation centre modes the dialog knows; for any other value the items
// that depend on the mode are left as they are.
bool knownCenterMode(const ContourParams& p) {
  return p.rotationCenterMode >= 0 && p.rotationCenterMode < modeCount<RotationCenterMode>();
}
bool centerModeIs(const ContourParams& p, RotationCenterMode mode) {
  return p.rotationCenterMode == static_cast<int32_t>(mode);
}

struct Rule {
  std::span<const int32_t> items;
  // Enabled or not; nullopt leaves the items as they are.
  std::optional<bool> (*enabled)(const ContourParams&);
};

constexpr int32_t kPointsContourListItem[] = {kPointsContourList};
constexpr int32_t kVerticalScale[] = {kScaleVEdit};
constexpr int32_t kPointsVariationListItem[] = {kPointsVariationList};
constexpr int32_t kPointOptions[] = {kPointsKeepAnchorCheck,   kPointsKeepDirectionCheck, kPointsRotateCenterCheck,
                                     kPointsAddScaleCheck,     kPointsApplyCheck,         kInterpolateAnchorEdit,
                                     kInterpolateDirectionEdit};
constexpr int32_t kFillSwatch[] = {kFillSwatchEdit};
constexpr int32_t kStrokeSwatch[] = {kStrokeSwatchEdit};
constexpr int32_t kFillSteps[] = {kFillStepsEdit};
constexpr int32_t kStrokeSteps[] = {kStrokeStepsEdit};
constexpr int32_t kWidthAmount[] = {kWidthAmountEdit};
constexpr int32_t kPathNumber[] = {kPathNumberEdit};
constexpr int32_t kUserCenter[] = {kCenterXEdit, kCenterYEdit};
constexpr int32_t kRotation[] = {kRotationEdit};

// Colour modes that go to a swatch, and those that progress over steps.
constexpr std::initializer_list<ColorMode> kSwatchModes = {ColorMode::ToSwatch, ColorMode::AlternateSwatch};
constexpr std::initializer_list<ColorMode> kStepModes = {
    ColorMode::ToWhite,     ColorMode::ToBlack,    ColorMode::ToWhiteMidpoint,    ColorMode::ToSwatch,
    ColorMode::ToHalfColor, ColorMode::ToInverted, ColorMode::ToHalfColorInverted};

// In their order; comparisons of reals with 0 are exact.
const Rule kRules[] = {
    {kPointsContourListItem, [](const ContourParams& p) -> std::optional<bool> { return p.pointsContourAmount != 0; }},
    {kVerticalScale, [](const ContourParams& p) -> std::optional<bool> { return p.linkContourScale == 0; }},
    {kPointsVariationListItem, [](const ContourParams& p) -> std::optional<bool> { return p.pointsVariance != 0; }},
    {kPointOptions,
     [](const ContourParams& p) -> std::optional<bool> { return p.pointsVariance != 0 || p.pointsContourAmount != 0; }},
    {kFillSwatch, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.fillColorMode, kSwatchModes); }},
    {kStrokeSwatch,
     [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.strokeColorMode, kSwatchModes); }},
    {kFillSteps, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.fillColorMode, kStepModes); }},
    {kStrokeSteps, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.strokeColorMode, kStepModes); }},
    {kWidthAmount,
     [](const ContourParams& p) -> std::optional<bool> {
       return p.widthMode != static_cast<int32_t>(WidthMode::NoChange);
     }},
    // The rotation centre: the path number for the supplied path, the user
    // centre for the user centre, the rotation itself for every known mode.
    {kPathNumber,
     [](const ContourParams& p) -> std::optional<bool> {
       if (!knownCenterMode(p)) return std::nullopt;
       return centerModeIs(p, RotationCenterMode::SuppliedPath);
     }},
    {kUserCenter,
     [](const ContourParams& p) -> std::optional<bool> {
       if (!knownCenterMode(p)) return std::nullopt;
       return centerModeIs(p, RotationCenterMode::UserCenter);
     }},
    {kRotation,
     [](const ContourParams& p) -> std::optional<bool> {
       if (!knownCenterMode(p)) return std::nullopt;
       return true;
     }},
};

}  // namespace

void applyEnablingRules(ADMDialogRef dialog, const ContourParams& record) {
  for (const Rule& rule : kRules) {
    std::optional<bool> enabled = rule.enabled(record);
    if (!enabled) continue;
    for (int32_t id : rule.items) (void)sADMItem->enable(itemById(dialog, id), *enabled ? 1 : 0);
  }
}
