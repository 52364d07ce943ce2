// The entries of the dialog's mode lists by name. The value of each is its
// entry id, which is what the record's list field stores; a field may hold
// any other value too (the engine then leaves that step alone), which an
// enum with a fixed underlying type represents without fault.
#ifndef CONTOUR_PARAMS_MODEIDS_H
#define CONTOUR_PARAMS_MODEIDS_H

#include <cstddef>
#include <cstdint>

enum class PresetStyle : int32_t {
  Reset,
  ZoomRight,
  MoreRapidScaling,
  PointsContourBasic,
  SlowRotation,
  RapidRotation,
  Twist,
  RotateAboutOrigin,
  AlternatePointContours,
  Gaps12,
  Gaps24,
  SuperZoomDiagonal,
  FlipPaths,
  IgnoreDirectionPoints,
  IgnoreSegmentInfo,
  DragPaths,
  Warped,
  FillFromSwatches,
  FillToBlack,
  RandomPathOpacity,
  ThickeningLineWidth,
  ThickeningLineWidthSteps,
  Intense,
  Reverse,
  NoChangeVertically,
  RandomPulse,
  Count
};

enum class ContourScaleMode : int32_t {
  Add,
  Accumulate,
  Halved,
  Drag,
  ByOnePercent,
  ToHalfOriginal,
  Randomized,
  LinkedVertical,
  LinkedHalfVertical,
  Jitter,
  Rapid,
  ScaleOption12,
  ScaleOption13,
  ScaleOption14,
  ScaleOption15,
  ScaleOption16,
  ScaleOption17,
  ScaleOption18,
  ModifiedByShift1,
  ModifiedByShift2,
  ReducedHalfway,
  ThirdModified,
  Pulse3,
  Pulse5,
  PulseRandom,
  Count
};

enum class ShiftMode : int32_t {
  AsIs,
  Accumulate,
  AccumulateTenth,
  AlternateHalf,
  AccumulateAlternateHalf,
  RapidTenth,
  Random,
  RandomAccumulate,
  Jitter,
  ChangeCourse,
  Zag,
  Local,
  Count
};

enum class RotationCenterMode : int32_t { PathCenter, SuppliedPath, UserCenter, ShiftAsCenter, DocumentCenter, Count };

// The Fill colour and Stroke colour lists.
enum class ColorMode : int32_t {
  Ignore,
  ToWhite,
  ToBlack,
  RandomColors,
  RandomSwatches,
  ToWhiteMidpoint,
  ToSwatch,
  ToHalfColor,
  ToInverted,
  AlternateWhite,
  AlternateBlack,
  AlternateSwatch,
  AlternateInverted,
  ToHalfColorInverted,
  TenPercentReduction,
  Count
};

enum class PatternMode : int32_t {
  Ignore,
  Center1,
  Center2,
  Center3,
  Center4,
  Center5,
  Center6,
  Center7,
  Center8,
  Center9,
  Center10,
  Count
};

enum class WidthMode : int32_t {
  NoChange,
  Add,
  Accumulate,
  Pulsed,
  RapidPulse,
  Swap,
  AddRandomized,
  AccumulateRandomized,
  UpToTenPointsRandomized,
  UpToSettingsRandomized,
  TargetSettings,
  TargetSettingsApprox,
  Multiplied,
  Jitter,
  JitterAccumulate,
  Rapido,
  Rapido1,
  Count
};

enum class PointsContourMode : int32_t {
  AsSettings,
  Alternate,
  AngleChange,
  FlipAround,
  ToRandom,
  RandomRadial,
  FiveByFive,
  RandomOid,
  AlternateSecond,
  PointsPlus,
  ThirdPoint,
  DoubleHalfPoint,
  RoyalFour,
  AlternatePointsShift,
  ThirdWay,
  DocumentScaled,
  PointsModified,
  Count
};

enum class PointsVariationMode : int32_t {
  None,
  Uniform,
  Accelerating,
  Alternate1,
  Alternate2,
  Alternate3,
  Alternate4,
  Random1,
  Random2,
  Reverse,
  FiveBurst,
  Count
};

// The number of entries of a list, as an int32_t.
template <class Mode>
constexpr int32_t modeCount() {
  return static_cast<int32_t>(Mode::Count);
}

// Whether a table of n entries has one per entry of the list.
template <class Mode>
constexpr bool oneEntryEach(std::size_t n) {
  return n == static_cast<std::size_t>(Mode::Count);
}

#endif
