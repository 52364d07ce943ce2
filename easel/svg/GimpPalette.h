// GIMP palettes (.gpl): "GIMP Palette", optional Name: and Columns: lines,
// # comments, then one colour a line as "R G B name" with 0..255 components.
#ifndef EASEL_SVG_GIMPPALETTE_H
#define EASEL_SVG_GIMPPALETTE_H

#include <string>

#include "easel/core/Document.h"

namespace easel::svg {

// Puts the palette's colours, in its order, into the document's swatches as
// RGB colours right after the two fixed first swatches, so that swatch
// numbers from 2 name them (a colour without a name is named by its
// #rrggbb). Throws SvgError naming the file and line.
void addGimpPalette(Document& document, const std::string& text, const std::string& fileName);
void addGimpPaletteFile(Document& document, const std::string& path);

}  // namespace easel::svg

#endif
