#include "plugin/dialog/Presets.h"

#include <optional>
#include <span>

#include "plugin/dialog/ItemValues.h"
#include "plugin/params/DialogItems.h"
#include "plugin/params/FieldRef.h"
#include "plugin/params/ModeIds.h"

namespace {

using P = ContourParams;

struct Assignment {
  FieldRef field;
  float value;  // exact for every integer and real a preset sets

  void apply(ContourParams& record) const {
    if (field.isReal()) record.*field.real = value;
    else
      record.*field.integer = static_cast<int32_t>(value);
  }
};

// A list field's value: the entry id of a mode.
template <class Mode>
constexpr float entry(Mode mode) {
  return static_cast<float>(static_cast<int32_t>(mode));
}

struct Preset {
  std::optional<PresetStyle> basedOn;  // a preset whose values come first
  std::span<const Assignment> values;
};

constexpr Assignment kZoomRight[] = {{&P::shiftH, 10}};
constexpr Assignment kMoreRapidScaling[] = {{&P::scaleH, 6}, {&P::scaleV, 6}};
constexpr Assignment kPointsContourBasic[] = {{&P::pointsContourAmount, 50}};
constexpr Assignment kSlowRotation[] = {{&P::contourCount, 20}, {&P::rotation, 2}};
constexpr Assignment kRapidRotation[] = {{&P::contourCount, 20}, {&P::rotation, 10}};
constexpr Assignment kTwist[] = {{&P::contourCount, 20}, {&P::rotation, 50}};
constexpr Assignment kRotateAboutOrigin[] = {{&P::centerX, 0},
                                             {&P::centerY, 0},
                                             {&P::rotationCenterMode, entry(RotationCenterMode::UserCenter)},
                                             {&P::contourCount, 20},
                                             {&P::rotation, 10}};
constexpr Assignment kAlternatePointContours[] = {{&P::pointsContourAmount, 50},
                                                  {&P::pointsContourMode, entry(PointsContourMode::AlternateSecond)}};
constexpr Assignment kGaps12[] = {{&P::skipCount, 1}, {&P::createCount, 2}, {&P::contourCount, 20}};
constexpr Assignment kGaps24[] = {{&P::skipCount, 2}, {&P::createCount, 4}, {&P::contourCount, 20}};
constexpr Assignment kSuperZoomDiagonal[] = {{&P::shiftH, 10}, {&P::shiftV, 10}, {&P::contourCount, 30}};
constexpr Assignment kFlipPaths[] = {{&P::pathAlternateFlip, 1}};
constexpr Assignment kIgnoreDirection[] = {{&P::pointsContourAmount, 50}, {&P::pointsKeepDirection, 1}};
constexpr Assignment kIgnoreSegmentInfo[] = {{&P::pointsContourAmount, 50}, {&P::pointsKeepAnchor, 1}};
constexpr Assignment kDragPaths[] = {{&P::rotationCenterMode, entry(RotationCenterMode::UserCenter)},
                                     {&P::centerX, 400},
                                     {&P::centerY, 400},
                                     {&P::pointsContourAmount, 50},
                                     {&P::pointsRotateCenter, 1}};
constexpr Assignment kWarped[] = {{&P::pointsKeepAnchor, 1}};  // on top of kDragPaths
constexpr Assignment kFillFromSwatches[] = {{&P::fillColorMode, entry(ColorMode::RandomSwatches)}};
constexpr Assignment kFillToBlack[] = {{&P::fillColorMode, entry(ColorMode::ToBlack)}};
constexpr Assignment kRandomOpacity[] = {{&P::pathOpacity, 1}};
constexpr Assignment kThickening[] = {{&P::widthMode, entry(WidthMode::Add)}, {&P::widthAmount, 5}};
constexpr Assignment kThickeningSteps[] = {{&P::contourCount, 20},
                                           {&P::skipCount, 2},
                                           {&P::createCount, 2},
                                           {&P::widthMode, entry(WidthMode::Add)},
                                           {&P::widthAmount, 5}};
constexpr Assignment kIntense[] = {{&P::scaleH, 2}, {&P::scaleV, 2}, {&P::contourCount, 50}};
constexpr Assignment kReverse[] = {{&P::scaleH, -2}, {&P::scaleV, -2}, {&P::contourCount, 10}, {&P::shiftH, 10}};
constexpr Assignment kNoChangeVertically[] = {
    {&P::scaleH, 5}, {&P::scaleV, 0}, {&P::contourCount, 10}, {&P::linkContourScale, 0}};
constexpr Assignment kRandomPulse[] = {
    {&P::contourCount, 25}, {&P::scaleH, 5}, {&P::contourScaleMode, entry(ContourScaleMode::PulseRandom)}};

// By entry id of the Preset style list.
const Preset kPresets[] = {
    {std::nullopt, {}},  // Reset: the preset reset alone
    {std::nullopt, kZoomRight},
    {std::nullopt, kMoreRapidScaling},
    {std::nullopt, kPointsContourBasic},
    {std::nullopt, kSlowRotation},
    {std::nullopt, kRapidRotation},
    {std::nullopt, kTwist},
    {std::nullopt, kRotateAboutOrigin},
    {std::nullopt, kAlternatePointContours},
    {std::nullopt, kGaps12},
    {std::nullopt, kGaps24},
    {std::nullopt, kSuperZoomDiagonal},
    {std::nullopt, kFlipPaths},
    {std::nullopt, kIgnoreDirection},
    {std::nullopt, kIgnoreSegmentInfo},
    {std::nullopt, kDragPaths},
    {PresetStyle::DragPaths, kWarped},
    {std::nullopt, kFillFromSwatches},
    {std::nullopt, kFillToBlack},
    {std::nullopt, kRandomOpacity},
    {std::nullopt, kThickening},
    {std::nullopt, kThickeningSteps},
    {std::nullopt, kIntense},
    {std::nullopt, kReverse},
    {std::nullopt, kNoChangeVertically},
    {std::nullopt, kRandomPulse},
};
static_assert(oneEntryEach<PresetStyle>(std::size(kPresets)), "one preset per entry of the Preset style list");

}  // namespace

void applyPresetReset(ContourParams& record) {
  ContourParams defaults = record;
  setContourDefaults(defaults);
  for (const ItemSpec& item : dialogItems())
    if (isValueItem(item)) item.field.copy(defaults, record);
  record.previewShown = 0;
}

void applyPresetValues(int32_t presetId, ContourParams& record) {
  if (presetId < 0 || presetId >= modeCount<PresetStyle>()) return;
  const Preset& preset = kPresets[presetId];
  if (preset.basedOn) applyPresetValues(static_cast<int32_t>(*preset.basedOn), record);
  for (const Assignment& a : preset.values) a.apply(record);
}
