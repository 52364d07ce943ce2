// The properties the document holds, as each element gets them, from the
// weakest to the strongest: what it inherits, its presentation attributes,
// the file's style sheets (the more specific selector, then the later rule,
// winning), its `style` declarations, then !important sheet rules and
// !important `style` declarations. Values stay text (with their place in the
// file, for error messages) until the importer reads them in the element's
// own user space.
#ifndef EASEL_SVG_STYLECASCADE_H
#define EASEL_SVG_STYLECASCADE_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "StyleSheet.h"

namespace easel::svg {

enum class Property {
  // Inherited.
  Fill,
  FillRule,
  Stroke,
  StrokeWidth,
  StrokeLinecap,
  StrokeLinejoin,
  StrokeMiterlimit,
  StrokeDasharray,
  StrokeDashoffset,
  Color,
  Visibility,
  // Not inherited.
  Opacity,
  Display,
  Count
};
constexpr std::size_t kPropertyCount = static_cast<std::size_t>(Property::Count);

std::string_view propertyName(Property p);

struct SpecifiedValue {
  std::string text;
  std::size_t offset = 0;  // in the file (0 for an initial value)
  // Set by a sheet rule that names an element by its id (this one or one it
  // inherits from): a copy under a new id must carry the value itself.
  bool byIdRule = false;
  // Set on this element by an !important sheet rule: a new value must be
  // !important too, or the rule would still win.
  bool importantRule = false;
};

struct ComputedStyle {
  std::array<SpecifiedValue, kPropertyCount> values;
  double fontSizePx = 16;
  const SpecifiedValue& operator[](Property p) const { return values[static_cast<std::size_t>(p)]; }
  SpecifiedValue& operator[](Property p) { return values[static_cast<std::size_t>(p)]; }
};

// The initial values of every property.
ComputedStyle initialStyle();

// The style of `element` whose parent has `parent`, with the file's `sheet`.
// `buffer` is the start of the text the XML was parsed from in place (for
// offsets). Throws ValueError (offset in the file) for a `style` attribute
// that cannot be read.
ComputedStyle cascade(const ComputedStyle& parent, pugi::xml_node element, const char* buffer,
                      const StyleSheet& sheet = {});

}  // namespace easel::svg

#endif
