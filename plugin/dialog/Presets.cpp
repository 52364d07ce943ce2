#include "plugin/dialog/Presets.h"

#include <span>

#include "plugin/dialog/DialogItems.h"
#include "plugin/dialog/FieldRef.h"
#include "plugin/dialog/ItemValues.h"

namespace {

using P = ContourParams;

struct Assignment {
  FieldRef field;
  float value;  // exact for every integer and real a preset sets

  void apply(ContourParams& record) const {
    if (field.isReal())
      record.*field.real = value;
    else
      record.*field.integer = static_cast<int32_t>(value);
  }
};

struct Preset {
  int32_t basedOn;  // a preset whose values come first, or -1
  std::span<const Assignment> values;
};

constexpr Assignment kZoomRight[] = {{&P::shiftH, 10}};
constexpr Assignment kMoreRapidScaling[] = {{&P::scaleH, 6}, {&P::scaleV, 6}};
constexpr Assignment kPointsContourBasic[] = {{&P::pointsContourAmount, 50}};
constexpr Assignment kSlowRotation[] = {{&P::contourCount, 20}, {&P::rotation, 2}};
constexpr Assignment kRapidRotation[] = {{&P::contourCount, 20}, {&P::rotation, 10}};
constexpr Assignment kTwist[] = {{&P::contourCount, 20}, {&P::rotation, 50}};
constexpr Assignment kRotateAboutOrigin[] = {
    {&P::centerX, 0}, {&P::centerY, 0}, {&P::rotationCenterMode, 2}, {&P::contourCount, 20}, {&P::rotation, 10}};
constexpr Assignment kAlternatePointContours[] = {{&P::pointsContourAmount, 50}, {&P::pointsContourMode, 8}};
constexpr Assignment kGaps12[] = {{&P::skipCount, 1}, {&P::createCount, 2}, {&P::contourCount, 20}};
constexpr Assignment kGaps24[] = {{&P::skipCount, 2}, {&P::createCount, 4}, {&P::contourCount, 20}};
constexpr Assignment kSuperZoomDiagonal[] = {{&P::shiftH, 10}, {&P::shiftV, 10}, {&P::contourCount, 30}};
constexpr Assignment kFlipPaths[] = {{&P::pathAlternateFlip, 1}};
constexpr Assignment kIgnoreDirection[] = {{&P::pointsContourAmount, 50}, {&P::pointsKeepDirection, 1}};
constexpr Assignment kIgnoreSegmentInfo[] = {{&P::pointsContourAmount, 50}, {&P::pointsKeepAnchor, 1}};
constexpr Assignment kDragPaths[] = {{&P::rotationCenterMode, 2}, {&P::centerX, 400}, {&P::centerY, 400},
                                     {&P::pointsContourAmount, 50}, {&P::pointsRotateCenter, 1}};
constexpr Assignment kWarped[] = {{&P::pointsKeepAnchor, 1}};  // on top of kDragPaths
constexpr Assignment kFillFromSwatches[] = {{&P::fillColorMode, 4}};
constexpr Assignment kFillToBlack[] = {{&P::fillColorMode, 2}};
constexpr Assignment kRandomOpacity[] = {{&P::pathOpacity, 1}};
constexpr Assignment kThickening[] = {{&P::widthMode, 1}, {&P::widthAmount, 5}};
constexpr Assignment kThickeningSteps[] = {
    {&P::contourCount, 20}, {&P::skipCount, 2}, {&P::createCount, 2}, {&P::widthMode, 1}, {&P::widthAmount, 5}};
constexpr Assignment kIntense[] = {{&P::scaleH, 2}, {&P::scaleV, 2}, {&P::contourCount, 50}};
constexpr Assignment kReverse[] = {{&P::scaleH, -2}, {&P::scaleV, -2}, {&P::contourCount, 10}, {&P::shiftH, 10}};
constexpr Assignment kNoChangeVertically[] = {
    {&P::scaleH, 5}, {&P::scaleV, 0}, {&P::contourCount, 10}, {&P::linkContourScale, 0}};
constexpr Assignment kRandomPulse[] = {{&P::contourCount, 25}, {&P::scaleH, 5}, {&P::contourScaleMode, 24}};

// By entry id of the Preset style list.
const Preset kPresets[] = {
    {-1, {}},                       // 0 Reset
    {-1, kZoomRight},               // 1
    {-1, kMoreRapidScaling},        // 2
    {-1, kPointsContourBasic},      // 3
    {-1, kSlowRotation},            // 4
    {-1, kRapidRotation},           // 5
    {-1, kTwist},                   // 6
    {-1, kRotateAboutOrigin},       // 7
    {-1, kAlternatePointContours},  // 8
    {-1, kGaps12},                  // 9
    {-1, kGaps24},                  // 10
    {-1, kSuperZoomDiagonal},       // 11
    {-1, kFlipPaths},               // 12
    {-1, kIgnoreDirection},         // 13
    {-1, kIgnoreSegmentInfo},       // 14
    {-1, kDragPaths},               // 15
    {15, kWarped},                  // 16
    {-1, kFillFromSwatches},        // 17
    {-1, kFillToBlack},             // 18
    {-1, kRandomOpacity},           // 19
    {-1, kThickening},              // 20
    {-1, kThickeningSteps},         // 21
    {-1, kIntense},                 // 22
    {-1, kReverse},                 // 23
    {-1, kNoChangeVertically},      // 24
    {-1, kRandomPulse},             // 25
};

}  // namespace

void applyPresetReset(ContourParams& record) {
  ContourParams defaults = record;
  setContourDefaults(defaults);
  for (const ItemSpec& item : dialogItems())
    if (isValueItem(item)) item.field.copy(defaults, record);
  record.previewShown = 0;
}

void applyPresetValues(int32_t presetId, ContourParams& record) {
  if (presetId < 0 || static_cast<std::size_t>(presetId) >= std::size(kPresets)) return;
  const Preset& preset = kPresets[presetId];
  if (preset.basedOn >= 0) applyPresetValues(preset.basedOn, record);
  for (const Assignment& a : preset.values) a.apply(record);
}
