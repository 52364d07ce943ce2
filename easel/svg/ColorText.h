// The artwork's colours in SVG. An RGB colour is written as #rrggbb; grey and
// four-colour colours, which SVG lacks, and RGB components that #rrggbb
// cannot hold exactly (not on a 1/255 step, or outside 0..1) also travel in
// our own namespace as "gray(g)", "cmyk(c,m,y,k)" or "rgb(r,g,b)" with every
// component exact, beside the #rrggbb a viewer shows.
#ifndef EASEL_SVG_COLORTEXT_H
#define EASEL_SVG_COLORTEXT_H

#include <optional>
#include <string>
#include <string_view>

#include "Color.h"
#include "plugin/host/AIColor.h"

namespace easel::svg {

// The namespace of our attributes, and their usual prefix.
inline constexpr const char* kContourNamespace = "urn:contour:easel";
inline constexpr const char* kContourPrefix = "contour";

AIColor rgbColor(Rgb c);

// The sRGB colour to show, each component clamped to 0..1: grey g is 1 - g
// (g is the amount of black); cyan, magenta, yellow and black inks c, m, y, k
// give (1 - c)(1 - k), (1 - m)(1 - k), (1 - y)(1 - k); a custom colour shows
// its tint as grey. Gradients, patterns and none have no single colour (black).
Rgb displayColor(const AIColor& c);

// The exact text for a colour that #rrggbb does not carry; empty when the
// #rrggbb reads back exactly (and for the kinds that are not colours).
std::string exactColorText(const AIColor& c);

// Reads "gray(g)", "cmyk(c,m,y,k)" or "rgb(r,g,b)" (ValueError otherwise).
AIColor parseExactColorText(std::string_view text);

// Field-by-field equality of the kinds and the components that kind uses.
bool sameColor(const AIColor& a, const AIColor& b);

}  // namespace easel::svg

#endif
