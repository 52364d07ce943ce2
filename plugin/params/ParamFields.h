// The one table of the parameter record's 57 fields: for each its name, type,
// place in the record, default, range, unit, and the dialog item and page that
// show it. The dialog's items, the presets, Tumble, the enabling rules, the
// command line's JSON and the tests all name fields through it.
#ifndef CONTOUR_PARAMS_PARAMFIELDS_H
#define CONTOUR_PARAMS_PARAMFIELDS_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "plugin/params/ContourParams.h"
#include "plugin/params/FieldRef.h"
#include "plugin/params/ItemIds.h"
#include "plugin/params/ModeIds.h"

enum class FieldType : uint8_t {
  Flag,     // an integer that holds 0 or 1
  Integer,  // a count or a number
  List,     // the entry id of a mode list
  Real,     // IEEE single precision
};

// The values a field's item allows; the record itself is never clamped.
struct FieldRange {
  float minimum = 0, maximum = 0;
  bool swatchBound = false;  // the maximum is the document's swatch count
};

struct ParamField {
  const char* name;
  FieldType type;
  std::size_t offset;  // in ContourParams
  FieldRef field;
  std::optional<float> defaultValue;  // none: a new block keeps what the host gave
  std::optional<FieldRange> range;    // none: any value (bookkeeping fields)
  const char* unit;
  ItemId item;      // kNoItem: no item shows the field
  PageNumber page;  // kNoPage: shown on every page, or not at all

  constexpr bool isReal() const { return type == FieldType::Real; }
};

namespace param_fields_detail {

constexpr FieldRange kFlag{0, 1};
constexpr FieldRange kSwatches{0, 0, true};

template <class Mode>
constexpr FieldRange listRange() {
  return {0, static_cast<float>(modeCount<Mode>() - 1)};
}

#define CONTOUR_FIELD(name, type, ...) \
  ParamField { #name, FieldType::type, offsetof(ContourParams, name), &ContourParams::name, __VA_ARGS__ }

inline constexpr ParamField kParamFields[] = {
    CONTOUR_FIELD(previewOn, Flag, 1, kFlag, "flag", kPreviewCheck, kNoPage),
    CONTOUR_FIELD(pointsAddScale, Flag, 0, kFlag, "flag", kPointsAddScaleCheck, kSettingsPage),
    CONTOUR_FIELD(pathAlternateFlip, Flag, 0, kFlag, "flag", kPathAlternateFlipCheck, kSettingsPage),
    CONTOUR_FIELD(linkContourScale, Flag, 1, kFlag, "flag", kLinkScaleCheck, kContourPage),
    CONTOUR_FIELD(scaleLines, Flag, 0, kFlag, "flag", kScaleLinesCheck, kContourPage),
    CONTOUR_FIELD(pointsKeepDirection, Flag, 0, kFlag, "flag", kPointsKeepDirectionCheck, kSettingsPage),
    CONTOUR_FIELD(pointsApply, Flag, 0, kFlag, "flag", kPointsApplyCheck, kSettingsPage),
    CONTOUR_FIELD(pathCreate, Flag, 0, kFlag, "flag", kPathCreateCheck, kSettingsPage),
    CONTOUR_FIELD(pointsKeepAnchor, Flag, 0, kFlag, "flag", kPointsKeepAnchorCheck, kSettingsPage),
    CONTOUR_FIELD(pointsRotateCenter, Flag, 0, kFlag, "flag", kPointsRotateCenterCheck, kSettingsPage),
    CONTOUR_FIELD(pathDelete, Flag, 0, kFlag, "flag", kPathDeleteCheck, kSettingsPage),
    CONTOUR_FIELD(placeAbove, Flag, 1, kFlag, "flag", kPlaceAboveCheck, kContourPage),
    CONTOUR_FIELD(pathOpacity, Flag, 0, kFlag, "flag", kPathOpacityCheck, kSettingsPage),
    CONTOUR_FIELD(shiftMode, List, 0, listRange<ShiftMode>(), "Shift mode", kShiftModeList, kShiftPage),
    CONTOUR_FIELD(currentPage, Integer, 1, FieldRange{1, 6}, "dialog page", kNoItem, kNoPage),
    CONTOUR_FIELD(contourCount, Integer, 12, FieldRange{1, 200}, "contour steps", kContoursEdit, kContourPage),
    CONTOUR_FIELD(contourScaleMode, List, 0, listRange<ContourScaleMode>(), "Contour scale mode", kContourScaleList,
                  kContourPage),
    CONTOUR_FIELD(skipCount, Integer, 0, FieldRange{0, 40}, "contours skipped", kSkipEdit, kContourPage),
    CONTOUR_FIELD(createCount, Integer, 1, FieldRange{1, 40}, "contours made", kCreateEdit, kContourPage),
    CONTOUR_FIELD(presetStyle, List, 0, listRange<PresetStyle>(), "Preset style", kPresetList, kNoPage),
    CONTOUR_FIELD(rotationCenterMode, List, 0, listRange<RotationCenterMode>(), "Rotation centre", kRotationCenterList,
                  kRotatePage),
    CONTOUR_FIELD(widthMode, List, 0, listRange<WidthMode>(), "Width mode", kWidthModeList, kStylePage),
    CONTOUR_FIELD(rotationPathNumber, Integer, 1, FieldRange{1, 80}, "selected object number", kPathNumberEdit,
                  kRotatePage),
    CONTOUR_FIELD(pointsVariationMode, List, 0, listRange<PointsVariationMode>(), "Points variation",
                  kPointsVariationList, kPointsPage),
    CONTOUR_FIELD(pointsContourMode, List, 0, listRange<PointsContourMode>(), "Points contour", kPointsContourList,
                  kPointsPage),
    CONTOUR_FIELD(viewZoom, Real, 100, FieldRange{1, 500}, "percent", kZoomEdit, kNoPage),
    CONTOUR_FIELD(scaleH, Real, 4, FieldRange{-50, 50}, "percent per contour", kScaleHEdit, kContourPage),
    CONTOUR_FIELD(scaleV, Real, 4, FieldRange{-50, 50}, "percent per contour", kScaleVEdit, kContourPage),
    CONTOUR_FIELD(shiftH, Real, 0, FieldRange{-2000, 2000}, "points", kShiftHEdit, kShiftPage),
    CONTOUR_FIELD(shiftV, Real, 0, FieldRange{-2000, 2000}, "points", kShiftVEdit, kShiftPage),
    CONTOUR_FIELD(rotation, Real, 0, FieldRange{-360, 360}, "tenths of a degree per contour", kRotationEdit,
                  kRotatePage),
    CONTOUR_FIELD(centerX, Real, 200, FieldRange{-5000, 5000}, "points", kCenterXEdit, kRotatePage),
    CONTOUR_FIELD(centerY, Real, 200, FieldRange{-5000, 5000}, "points", kCenterYEdit, kRotatePage),
    CONTOUR_FIELD(pointsContourAmount, Real, 0, FieldRange{-500, 500}, "tenths of a point per contour",
                  kPointsContourEdit, kPointsPage),
    CONTOUR_FIELD(interpolateAnchor, Real, 0, FieldRange{-800, 800}, "percent", kInterpolateAnchorEdit, kPointsPage),
    CONTOUR_FIELD(interpolateDirection, Real, 0, FieldRange{-800, 800}, "percent", kInterpolateDirectionEdit,
                  kPointsPage),
    CONTOUR_FIELD(interpolateStyle, Real, 100, FieldRange{0, 100}, "percent", kInterpolateStyleEdit, kStylePage),
    CONTOUR_FIELD(pointsVariance, Real, 0, FieldRange{-500, 500}, "tenths of a point", kVarianceEdit, kPointsPage),
    CONTOUR_FIELD(widthAmount, Real, 0, FieldRange{-200, 200}, "tenths of a point", kWidthAmountEdit, kStylePage),
    CONTOUR_FIELD(fillColorMode, List, 0, listRange<ColorMode>(), "Fill colour", kFillColorList, kStylePage),
    CONTOUR_FIELD(fillSwatchIndex, Integer, 2, kSwatches, "swatch number", kFillSwatchEdit, kStylePage),
    CONTOUR_FIELD(fillSteps, Integer, 0, FieldRange{0, 1000}, "steps (0: one per contour)", kFillStepsEdit, kStylePage),
    CONTOUR_FIELD(strokeColorMode, List, 0, listRange<ColorMode>(), "Stroke colour", kStrokeColorList, kStylePage),
    CONTOUR_FIELD(strokeSwatchIndex, Integer, 2, kSwatches, "swatch number", kStrokeSwatchEdit, kStylePage),
    CONTOUR_FIELD(strokeSteps, Integer, 0, FieldRange{0, 1000}, "steps (0: one per contour)", kStrokeStepsEdit,
                  kStylePage),
    CONTOUR_FIELD(patternMode, List, 0, listRange<PatternMode>(), "Pattern", kPatternList, kStylePage),
    // Bookkeeping: written by the plug-in itself, shown by no item.
    CONTOUR_FIELD(finalRun, Flag, std::nullopt, kFlag, "flag", kNoItem, kNoPage),
    CONTOUR_FIELD(previewShown, Flag, 0, kFlag, "flag", kNoItem, kNoPage),
    CONTOUR_FIELD(dialogBoundsLeft, Integer, std::nullopt, std::nullopt, "dialog bounds", kNoItem, kNoPage),
    CONTOUR_FIELD(dialogBoundsTop, Integer, std::nullopt, std::nullopt, "dialog bounds", kNoItem, kNoPage),
    CONTOUR_FIELD(dialogBoundsRight, Integer, std::nullopt, std::nullopt, "dialog bounds", kNoItem, kNoPage),
    CONTOUR_FIELD(dialogBoundsBottom, Integer, std::nullopt, std::nullopt, "dialog bounds", kNoItem, kNoPage),
    CONTOUR_FIELD(reserved1, Integer, std::nullopt, std::nullopt, "reserved", kNoItem, kNoPage),
    CONTOUR_FIELD(reserved2, Integer, std::nullopt, std::nullopt, "reserved", kNoItem, kNoPage),
    CONTOUR_FIELD(reserved3, Integer, std::nullopt, std::nullopt, "reserved", kNoItem, kNoPage),
    CONTOUR_FIELD(reserved4, Integer, std::nullopt, std::nullopt, "reserved", kNoItem, kNoPage),
    CONTOUR_FIELD(dialogBoundsSaved, Flag, 0, kFlag, "flag", kNoItem, kNoPage),
};

#undef CONTOUR_FIELD

static_assert(std::size(kParamFields) * 4 == sizeof(ContourParams), "every field of the record is in the table");

}  // namespace param_fields_detail

// Every field, in the record's order.
constexpr std::span<const ParamField> paramFields() { return param_fields_detail::kParamFields; }

// The row of a field, or null for an empty reference.
constexpr const ParamField* paramFieldOf(FieldRef field) {
  for (const ParamField& row : paramFields())
    if (row.field == field) return &row;
  return nullptr;
}

// The field a dialog item shows, or null.
constexpr const ParamField* paramFieldShownBy(int32_t item) {
  if (item == kNoItem) return nullptr;
  for (const ParamField& row : paramFields())
    if (row.item == item) return &row;
  return nullptr;
}

// The field of this name, the name compared without regard to case; or null.
const ParamField* findParamField(std::string_view name);

#endif
