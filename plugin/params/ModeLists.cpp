#include "plugin/params/ModeLists.h"

#include <array>

#include "plugin/params/ModeIds.h"

namespace {

constexpr const char* kPresetStyles[] = {
    " Reset",
    " Zoom right",
    " More rapid scaling",
    " Points contour basic",
    " Slow rotation",
    " Rapid rotation",
    " Twist",
    " Rotate about origin of document",
    " Alternate point contours",
    " Gaps 1-2",
    " Gaps 2-4",
    " Super zoom diagonal",
    " Flip paths (alternate) - not for all shapes!",
    " Points contour - ignore direction points",
    " Points contour - ignore segment info",
    " Points contour - dragggg paths",
    " Points contour - warped",
    " Fill paths with colors from swatches palette",
    " Fill to black",
    " Random path opacity",
    " Thickening line width",
    " Thickening line width - Steps",
    " Intense",
    " Reverse",
    " No change vertically",
    " Random pulse",
};

constexpr const char* kContourScaleModes[] = {
    " Contour - Add",
    " Contour - Accumulate",
    " Contour - Halved",
    " Contour - Dragggggggggg",
    " Contour - By 1%",
    " Contour - To 50% original",
    " Contour - Randomized",
    " Contour - Linked vertical to horizontal scaling",
    " Contour - Linked vertical to half horizontal scaling",
    " Contour - Jitter",
    " Contour - Rapid",
    " Contour - Scale option 12",
    " Contour - Scale option 13",
    " Contour - Scale option 14",
    " Contour - Scale option 15",
    " Contour - Scale option 16",
    " Contour - Scale option 17",
    " Contour - Scale option 18",
    " Contour - Scale modified by shift 1",
    " Contour - Scale modified by shift 2",
    " Contour - Reduced halfway",
    " Contour - Third modified",
    " Contour - Pulse3",
    " Contour - Pulse5",
    " Contour - PulseRandom",
};

constexpr const char* kShiftModes[] = {
    " Shift - As is",
    " Shift - Accumulate",
    " Shift - Accumulate/10",
    " Shift - Alternate/2",
    " Shift - Accumulate alternate/2",
    " Shift - Rapid/10",
    " Shift - Random",
    " Shift - Random accumulate",
    " Shift - Jitter",
    " Shift - Change course",
    " Shift - Zag",
    " Shift - Local",
};

constexpr const char* kRotationCenters[] = {
    " Rotation (path center)",
    " Rotation - use the supplied path number",
    " Rotation - use the supplied user center",
    " Rotation - use shift as center",
    " Rotation - document center",
};

// The fill and stroke lists differ only in their first entry.
constexpr const char* kColorModes[] = {
    " To white",
    " To black",
    " Random colors",
    " Random swatches",
    " To white / midpoint",
    " To swatch",
    " To half color",
    " To inverted",
    " Alternate white",
    " Alternate black",
    " Alternate swatch",
    " Alternate inverted",
    " To half color inverted",
    " 10% reduction",
};

constexpr auto colorList(const char* ignoreEntry) {
  std::array<const char*, std::size(kColorModes) + 1> entries{ignoreEntry};
  for (std::size_t i = 0; i < std::size(kColorModes); ++i) entries[i + 1] = kColorModes[i];
  return entries;
}

constexpr auto kFillColorModes = colorList(" Fill color - Ignore");
constexpr auto kStrokeColorModes = colorList(" Stroke color - Ignore");

constexpr const char* kPatternModes[] = {
    " Pattern - ignore", " Pattern center 1", " Pattern center 2",  " Pattern center 3",
    " Pattern center 4", " Pattern center 5", " Pattern center 6",  " Pattern center 7",
    " Pattern center 8", " Pattern center 9", " Pattern center 10",
};

constexpr const char* kWidthModes[] = {
    " Width - No change",
    " Width - Add",
    " Width - Accumulate",
    " Width - Pulsed",
    " Width - Rapid pulse",
    " Width - Swap",
    " Width - Add randomized",
    " Width - Accumulate randomized",
    " Width <= 10pts randomized",
    " Width <= dialog settings randomized",
    " Target line width to dialog settings",
    " Target line width to dialog settings (approx)",
    " Multiplied",
    " Width jitter",
    " Width jitter (accumulate)",
    " Rapido",
    " Rapido1",
};

// " Alternate" appears twice; the two entries differ by their ids only.
constexpr const char* kPointsContourModes[] = {
    " Contour points as settings",
    " Alternate",
    " Angle change",
    " Flip Around",
    " Contour To Random <",
    " Random Radial",
    " Five By Five",
    " Random-oid",
    " Alternate",
    " Points+",
    " Third Point",
    " Double/Half Point",
    " Royal four",
    " Alternate points (Shift)",
    " Third Way",
    " Document scaled",
    " Points modified",
};

constexpr const char* kPointsVariationModes[] = {
    " Contour points variation",
    " Uniform",
    " Accelerating",
    " Alternate1",
    " Alternate2",
    " Alternate3",
    " Alternate4",
    " Random1",
    " Random2",
    " Reverse",
    " Five Burst",
};

static_assert(oneEntryEach<PresetStyle>(std::size(kPresetStyles)));
static_assert(oneEntryEach<ContourScaleMode>(std::size(kContourScaleModes)));
static_assert(oneEntryEach<ShiftMode>(std::size(kShiftModes)));
static_assert(oneEntryEach<RotationCenterMode>(std::size(kRotationCenters)));
static_assert(oneEntryEach<ColorMode>(std::size(kFillColorModes)));
static_assert(oneEntryEach<PatternMode>(std::size(kPatternModes)));
static_assert(oneEntryEach<WidthMode>(std::size(kWidthModes)));
static_assert(oneEntryEach<PointsContourMode>(std::size(kPointsContourModes)));
static_assert(oneEntryEach<PointsVariationMode>(std::size(kPointsVariationModes)));

const ModeList kModeLists[] = {
    {kPresetList, &ContourParams::presetStyle, kPresetStyles},
    {kContourScaleList, &ContourParams::contourScaleMode, kContourScaleModes},
    {kShiftModeList, &ContourParams::shiftMode, kShiftModes},
    {kRotationCenterList, &ContourParams::rotationCenterMode, kRotationCenters},
    {kFillColorList, &ContourParams::fillColorMode, kFillColorModes},
    {kStrokeColorList, &ContourParams::strokeColorMode, kStrokeColorModes},
    {kPatternList, &ContourParams::patternMode, kPatternModes},
    {kWidthModeList, &ContourParams::widthMode, kWidthModes},
    {kPointsContourList, &ContourParams::pointsContourMode, kPointsContourModes},
    {kPointsVariationList, &ContourParams::pointsVariationMode, kPointsVariationModes},
};

}  // namespace

std::span<const ModeList> modeLists() { return kModeLists; }

const ModeList* modeListByItem(int32_t itemId) {
  for (const ModeList& list : kModeLists) {
    if (list.itemId == itemId) return &list;
  }
  return nullptr;
}
