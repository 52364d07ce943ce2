#include "plugin/dialog/EnablingRules.h"

#include <initializer_list>
#include <optional>
#include <span>

#include "plugin/dialog/DialogContext.h"
#include "plugin/shell/SuiteSlots.h"

namespace {

bool oneOf(int32_t value, std::initializer_list<int32_t> values) {
  for (int32_t v : values)
    if (v == value) return true;
  return false;
}

// The rotation centre modes the dialog knows; for any other value the items
// that depend on the mode are left as they are.
bool knownCenterMode(const ContourParams& p) { return p.rotationCenterMode >= 0 && p.rotationCenterMode <= 4; }

struct Rule {
  std::span<const int32_t> items;
  // Enabled or not; nullopt leaves the items as they are.
  std::optional<bool> (*enabled)(const ContourParams&);
};

constexpr int32_t kPointsContourList[] = {34};
constexpr int32_t kVerticalScale[] = {6};
constexpr int32_t kPointsVariationList[] = {35};
constexpr int32_t kPointOptions[] = {52, 53, 54, 58, 59, 18, 19};
constexpr int32_t kFillSwatch[] = {141};
constexpr int32_t kStrokeSwatch[] = {144};
constexpr int32_t kFillSteps[] = {142};
constexpr int32_t kStrokeSteps[] = {145};
constexpr int32_t kWidthAmount[] = {15};
constexpr int32_t kPathNumber[] = {12};
constexpr int32_t kUserCenter[] = {13, 14};
constexpr int32_t kRotation[] = {11};

// Colour modes that go to a swatch, and those that progress over steps.
constexpr std::initializer_list<int32_t> kSwatchModes = {6, 11};
constexpr std::initializer_list<int32_t> kStepModes = {1, 2, 5, 6, 7, 8, 13};

// In their order; comparisons of reals with 0 are exact.
const Rule kRules[] = {
    {kPointsContourList, [](const ContourParams& p) -> std::optional<bool> { return p.pointsContourAmount != 0; }},
    {kVerticalScale, [](const ContourParams& p) -> std::optional<bool> { return p.linkContourScale == 0; }},
    {kPointsVariationList, [](const ContourParams& p) -> std::optional<bool> { return p.pointsVariance != 0; }},
    {kPointOptions, [](const ContourParams& p) -> std::optional<bool> {
       return p.pointsVariance != 0 || p.pointsContourAmount != 0;
     }},
    {kFillSwatch, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.fillColorMode, kSwatchModes); }},
    {kStrokeSwatch, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.strokeColorMode, kSwatchModes); }},
    {kFillSteps, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.fillColorMode, kStepModes); }},
    {kStrokeSteps, [](const ContourParams& p) -> std::optional<bool> { return oneOf(p.strokeColorMode, kStepModes); }},
    {kWidthAmount, [](const ContourParams& p) -> std::optional<bool> { return p.widthMode != 0; }},
    // The rotation centre: the path number for mode 1, the user centre for
    // mode 2, the rotation itself for every known mode.
    {kPathNumber, [](const ContourParams& p) -> std::optional<bool> {
       if (!knownCenterMode(p)) return std::nullopt;
       return p.rotationCenterMode == 1;
     }},
    {kUserCenter, [](const ContourParams& p) -> std::optional<bool> {
       if (!knownCenterMode(p)) return std::nullopt;
       return p.rotationCenterMode == 2;
     }},
    {kRotation, [](const ContourParams& p) -> std::optional<bool> {
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
