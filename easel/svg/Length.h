// Lengths with their units. User units are CSS pixels: 96 to the inch, so one
// pixel is 0.75 point. The units relative to the font and the viewport take
// what the element's context gives (LengthContext); the easel lays out no
// text, so where the file says nothing they take CSS's initial values: a
// 16 px font, a line height of 1.2, a "0" half an em wide, capitals 0.7 em
// tall, an ideograph one em wide.
#ifndef EASEL_SVG_LENGTH_H
#define EASEL_SVG_LENGTH_H

#include <string_view>

namespace easel::svg {

enum class Unit {
  None,
  Px,
  Pt,
  Pc,
  Mm,
  Cm,
  In,
  Q,  // absolute
  Em,
  Ex,
  Ch,
  Cap,
  Ic,
  Lh,
  Rem,
  Rlh,  // the font's
  Vw,
  Vh,
  Vi,
  Vb,
  Vmin,
  Vmax,  // the viewport's
  Percent
};

struct Length {
  double value = 0;
  Unit unit = Unit::None;
};

constexpr double kPointsPerPixel = 0.75;
constexpr double kFontSizePx = 16;  // CSS's "medium"

// What the relative units are relative to, in user units (CSS pixels).
struct LengthContext {
  double fontSize = kFontSizePx;      // the element's
  double rootFontSize = kFontSizePx;  // the root element's
  // The viewport of the drawing (the root's width and height, before its
  // viewBox): vw is a hundredth of its width.
  double viewportWidth = 300, viewportHeight = 150;
};

// Throws ValueError (a unit it does not know is an error). Units are ASCII
// case-insensitive, as in CSS ("10PX", "1Q").
Length parseLength(std::string_view text);
// In user units; a percentage is of `percentBase`.
double toUserUnits(Length length, double percentBase, const LengthContext& context = {});
// Shorthand: parse and convert.
double parseUserLength(std::string_view text, double percentBase, const LengthContext& context = {});

}  // namespace easel::svg

#endif
