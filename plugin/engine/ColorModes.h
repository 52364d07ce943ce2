// The colour modes shared by the fill and stroke colour lists, applied to one
// colour of a path style.
#ifndef CONTOUR_ENGINE_COLORMODES_H
#define CONTOUR_ENGINE_COLORMODES_H

#include "plugin/host/AIColor.h"

enum ColorMode : int32_t {
  kColorIgnore = 0,
  kColorToWhite = 1,
  kColorToBlack = 2,
  kColorRandom = 3,
  kColorRandomSwatch = 4,
  kColorToWhiteMidpoint = 5,
  kColorToSwatch = 6,
  kColorToHalf = 7,
  kColorToInverted = 8,
  kColorAlternateWhite = 9,
  kColorAlternateBlack = 10,
  kColorAlternateSwatch = 11,
  kColorAlternateInverted = 12,
  kColorToHalfInverted = 13,
  kColorReduce10 = 14
};

// Where a colour stands in its progression: the contour number k (1 for the
// first contour), the number of steps S (not 0) and half = int(S / 2).
struct ColorProgress {
  int32_t contourNumber;
  int32_t steps;
  int32_t half;
};

// Changes the components of a grey, four-colour or RGB colour by `mode`;
// colours of other kinds and unknown modes are left as they are. `swatch` is
// the swatch colour of modes 6 and 11 (null for the other modes). Mode 3 draws
// its random numbers here; modes 4 (a whole swatch colour) and the paint flags
// are the colour step's.
void applyColorMode(int32_t mode, AIColor& color, const AIColor* swatch, const ColorProgress& at);

// Whether the mode switches the paint on, whatever the contour and the colour kind.
bool colorModeSetsPaint(int32_t mode);

#endif
