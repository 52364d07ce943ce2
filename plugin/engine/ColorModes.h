// The colour modes shared by the fill and stroke colour lists, applied to one
// colour of a path style.
#ifndef CONTOUR_ENGINE_COLORMODES_H
#define CONTOUR_ENGINE_COLORMODES_H

#include "plugin/host/AIColor.h"
#include "plugin/params/ModeIds.h"

// Where a colour stands in its progression: the contour number k (1 for the
// first contour), the number of steps S (not 0) and half = int(S / 2).
struct ColorProgress {
  int32_t contourNumber;
  int32_t steps;
  int32_t half;
};

// Changes the components of a grey, four-colour or RGB colour by `mode`;
// colours of other kinds and unknown modes are left as they are. `swatch` is
// the swatch colour of ToSwatch and AlternateSwatch (null for the other
// modes). RandomColors draws its random numbers here; RandomSwatches (a whole
// swatch colour) and the paint flags are the colour step's.
void applyColorMode(ColorMode mode, AIColor& color, const AIColor* swatch, const ColorProgress& at);

// Whether the mode switches the paint on, whatever the contour and the colour kind.
bool colorModeSetsPaint(ColorMode mode);

#endif
