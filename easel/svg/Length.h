// Lengths with their units. User units are CSS pixels: 96 to the inch, so one
// pixel is 0.75 point; em and ex are taken at a fixed font size of 16 px (ex
// is half an em), since the easel lays out no text.
#ifndef EASEL_SVG_LENGTH_H
#define EASEL_SVG_LENGTH_H

#include <string_view>

namespace easel::svg {

enum class Unit { None, Px, Pt, Pc, Mm, Cm, In, Em, Ex, Percent };

struct Length {
  double value = 0;
  Unit unit = Unit::None;
};

constexpr double kPointsPerPixel = 0.75;
constexpr double kFontSizePx = 16;

// Throws ValueError (a unit it does not know is an error).
Length parseLength(std::string_view text);
// In user units; a percentage is of `percentBase`.
double toUserUnits(Length length, double percentBase);
// Shorthand: parse and convert.
double parseUserLength(std::string_view text, double percentBase);

}  // namespace easel::svg

#endif
