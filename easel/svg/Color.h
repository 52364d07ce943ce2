// Colours and paints of SVG: #rgb, #rrggbb, rgb() with numbers or
// percentages, the named colours, none, currentColor and url(#id) with an
// optional fallback.
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

struct Paint {
  enum class Kind { None, Color, CurrentColor, Url, Inherit };
  Kind kind = Kind::None;
  Rgb rgb;          // Color
  std::string ref;  // Url: the id, without '#'
  // Url: what to paint when the reference cannot be used (none when absent).
  std::optional<Paint::Kind> fallbackKind;
  Rgb fallbackRgb;
};

// Throws ValueError.
Rgb parseColor(std::string_view text);
Paint parsePaint(std::string_view text);
std::optional<Rgb> namedColor(std::string_view name);

// "#rrggbb", each component clamped to 0..1 and rounded to the nearest step.
std::string hexColor(Rgb c);

}  // namespace easel::svg

#endif
