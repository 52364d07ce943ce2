// The style properties the reader reads, and the values each one takes.
// A value a property does not take is ignored as viewers ignore it: the
// property is then as if that declaration were not there.
#ifndef EASEL_SVG_PROPERTYVALUES_H
#define EASEL_SVG_PROPERTYVALUES_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Length.h"

namespace easel::svg {

enum class Property {
  // Inherited.
  Fill,
  FillRule,
  FillOpacity,
  Stroke,
  StrokeWidth,
  StrokeLinecap,
  StrokeLinejoin,
  StrokeMiterlimit,
  StrokeDasharray,
  StrokeDashoffset,
  StrokeOpacity,
  Color,
  Visibility,
  FontSize,
  // Not inherited.
  Opacity,
  Display,
  Count
};
constexpr std::size_t kPropertyCount = static_cast<std::size_t>(Property::Count);

std::string_view propertyName(Property p);
std::string_view initialValue(Property p);
bool isInherited(Property p);
// The property of that name (lower case), if the reader reads it.
std::optional<Property> propertyNamed(std::string_view name);

// Why `value` (trimmed, without !important) is not a value of `p`, in a few
// words ("not a line cap"); nullopt when it is one.
std::optional<std::string> invalidValue(Property p, std::string_view value);

// The number of a keyword value, ASCII case-insensitive as in CSS: a line
// cap (butt 0, round 1, square 2), a line join (miter 0, round 1, bevel 2);
// -1 for a value that is not one of them.
int keywordNumber(Property p, std::string_view value);
// Whether a keyword value is `keyword`, ASCII case-insensitive.
bool isKeyword(std::string_view value, std::string_view keyword);

// A number or a percentage (an opacity: "0.5", "50%"), clamped to 0..1.
// Throws ValueError.
double parseOpacity(std::string_view text);
// stroke-dasharray's lengths ("5, 3 2"); throws ValueError, also for a
// negative length. "none" is an empty list.
std::vector<Length> parseDashList(std::string_view text);
// A font size in user units: a length, a percentage of the parent's size or
// a keyword (medium is 16 px). Throws ValueError.
double parseFontSize(std::string_view text, const LengthContext& parent);

// One line about an ignored value: `ignored stroke-linecap "miter" (not a line
// cap)`, the value cut short and freed of line breaks to keep to one line.
std::string ignoredText(std::string_view name, std::string_view value, std::string_view reason);

}  // namespace easel::svg

#endif
