// The properties the document holds, as each element gets them: its own
// presentation attributes, overridden by its `style` declarations, over what
// it inherits. Values stay text (with their place in the file, for error
// messages) until the importer reads them in the element's own user space.
#ifndef EASEL_SVG_STYLECASCADE_H
#define EASEL_SVG_STYLECASCADE_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace easel::svg {

enum class Property {
  // Inherited.
  Fill, FillRule, Stroke, StrokeWidth, StrokeLinecap, StrokeLinejoin, StrokeMiterlimit,
  StrokeDasharray, StrokeDashoffset, Color, Visibility,
  // Not inherited.
  Opacity, Display,
  Count
};
constexpr std::size_t kPropertyCount = static_cast<std::size_t>(Property::Count);

std::string_view propertyName(Property p);
bool isInherited(Property p);

struct SpecifiedValue {
  std::string text;
  std::size_t offset = 0;  // in the file (0 for an initial value)
};

struct ComputedStyle {
  std::array<SpecifiedValue, kPropertyCount> values;
  double fontSizePx = 16;
  const SpecifiedValue& operator[](Property p) const { return values[static_cast<std::size_t>(p)]; }
  SpecifiedValue& operator[](Property p) { return values[static_cast<std::size_t>(p)]; }
};

// The initial values of every property.
ComputedStyle initialStyle();

// The style of `element` whose parent has `parent`. `buffer` is the start of
// the text the XML was parsed from in place (for offsets). Throws ValueError
// (offset in the file) for a `style` attribute that cannot be read.
ComputedStyle cascade(const ComputedStyle& parent, pugi::xml_node element, const char* buffer);

}  // namespace easel::svg

#endif
