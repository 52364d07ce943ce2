// The properties the document holds, as each element gets them, from the
// weakest to the strongest: what it inherits, its presentation attributes,
// the file's style sheets (the more specific selector, then the later rule,
// winning), its `style` declarations, then !important sheet rules and
// !important `style` declarations. A declaration whose value the property
// does not take is passed over, as viewers do (PropertyValues.h), and said
// so. Values stay text (with their place in the file, for messages) until
// the importer reads them in the element's own user space.
#ifndef EASEL_SVG_STYLECASCADE_H
#define EASEL_SVG_STYLECASCADE_H

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "Length.h"
#include "PropertyValues.h"
#include "StyleSheet.h"

namespace easel::svg {

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
  // What the element's relative lengths are relative to (its font size, the
  // root's, the viewport).
  LengthContext lengths;
  const SpecifiedValue& operator[](Property p) const { return values[static_cast<std::size_t>(p)]; }
  SpecifiedValue& operator[](Property p) { return values[static_cast<std::size_t>(p)]; }
};

// The initial values of every property, in a viewport of that size (CSS px).
ComputedStyle initialStyle(double viewportWidth = 300, double viewportHeight = 150);

// What the cascade needs of the reader: where a string of the parsed XML
// lies in the file, and where to say what it passed over.
class CascadeSite {
 public:
  virtual std::size_t offsetOf(const char* parsed) const = 0;
  virtual void ignored(std::size_t offset, std::string message) = 0;

 protected:
  ~CascadeSite() = default;
};

// The style of `element` whose parent has `parent`, with the file's `sheet`
// (whose declarations were checked when it was read).
ComputedStyle cascade(const ComputedStyle& parent, pugi::xml_node element, const StyleSheet& sheet, CascadeSite& site);

}  // namespace easel::svg

#endif
