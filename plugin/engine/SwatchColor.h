// The swatch colours that the colour modes take from the document's swatch list.
#ifndef CONTOUR_ENGINE_SWATCHCOLOR_H
#define CONTOUR_ENGINE_SWATCHCOLOR_H

#include <cstdint>

#include "plugin/host/AIColor.h"

// The swatch a mode uses for a requested number. The list is numbered from 0:
// a number past the end names the last swatch, and the first two swatches
// ("[None]" and "[Registration]") are never used, so 0 and 1 become 2.
int32_t usableSwatchNumber(int64_t number, int32_t swatchCount);

// A random usable swatch number (one draw).
int32_t randomSwatchNumber(int32_t swatchCount);

// Reads the colour of swatch `number` of the current document's list. False
// when the host has no such swatch or cannot give its colour.
bool readSwatchColor(int32_t number, AIColor& color);

#endif
