// The 26 preset styles of the Preset style list: each is the preset reset
// (every setting the items show back to its default, but the zoom) followed
// by the few values that make the preset.
#ifndef CONTOUR_DIALOG_PRESETS_H
#define CONTOUR_DIALOG_PRESETS_H

#include <cstdint>

#include "plugin/params/ContourParams.h"

// Every field a value item shows to its default, and previewShown 0.
void applyPresetReset(ContourParams& record);
// The preset's own values; an id without a preset has none.
void applyPresetValues(int32_t presetId, ContourParams& record);

#endif
