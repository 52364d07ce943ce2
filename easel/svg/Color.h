// Colours and paints as drawings use them: #rgb, #rgba, #rrggbb, #rrggbbaa,
// rgb()/rgba() and hsl()/hsla() (comma or space syntax, numbers or
// percentages, an optional alpha), the named colours, transparent; paints
// add none, currentColor and url(#id) with an optional fallback; a colour may
// be followed by an ICC colour, of which the sRGB colour before it is used.
#ifndef EASEL_SVG_COLOR_H
#define EASEL_SVG_COLOR_H

#include <optional>
#include <string>
#include <string_view>

namespace easel::svg {

// sRGB components, 0 to 1.
struct Rgb {
  double r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour with its alpha (0 transparent, 1 opaque).
struct Rgba {
  Rgb rgb;
  double alpha = 1;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct Paint {
  enum class Kind { None, Color, CurrentColor, Url, Inherit };
  Kind kind = Kind::None;
  Rgb rgb;  // Color
  double alpha = 1;
  // Url: the id, without '#'; empty for a reference to another file, which
  // this reader cannot follow (its fallback paints).
  std::string ref;
  // Url: what to paint when the reference cannot be used (none when absent).
  std::optional<Paint::Kind> fallbackKind;
  Rgb fallbackRgb;
  double fallbackAlpha = 1;
};

// Throws ValueError.
Rgba parseColorAlpha(std::string_view text);
inline Rgb parseColor(std::string_view text) { return parseColorAlpha(text).rgb; }
Paint parsePaint(std::string_view text);
std::optional<Rgb> namedColor(std::string_view name);

// "#rrggbb", each component clamped to 0..1 and rounded to the nearest step.
std::string hexColor(Rgb c);

}  // namespace easel::svg

#endif
