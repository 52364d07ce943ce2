#include "StyleCascade.h"

#include <algorithm>
#include <vector>

#include "Style.h"
#include "ValueError.h"

namespace easel::svg {

ComputedStyle initialStyle(double viewportWidth, double viewportHeight) {
  ComputedStyle s;
  for (std::size_t i = 0; i < kPropertyCount; ++i)
    s.values[i].text = std::string(initialValue(static_cast<Property>(i)));
  s.lengths.viewportWidth = viewportWidth;
  s.lengths.viewportHeight = viewportHeight;
  return s;
}

namespace {

// One declaration that may set a property of the element, with the place the
// cascade gives it; the last one in cascade order wins.
struct Candidate {
  int level;  // origin and importance, weakest first
  int specificity;
  std::size_t order;
  Property property;
  std::string_view value;
  std::size_t offset;
  bool byId;
  bool checked;  // a sheet's declaration, checked once for the whole file
};

enum Level { kAttribute, kSheet, kStyle, kImportantSheet, kImportantStyle };

}  // namespace

ComputedStyle cascade(const ComputedStyle& parent, pugi::xml_node element, const StyleSheet& sheet, CascadeSite& site) {
  ComputedStyle out = parent;
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    if (!isInherited(static_cast<Property>(i)))
      out.values[i] = {std::string(initialValue(static_cast<Property>(i))), 0};
    out.values[i].importantRule = false;
  }
  std::vector<Candidate> candidates;
  for (pugi::xml_attribute a : element.attributes()) {
    // Attributes that set no property, path data above all, need not even be measured.
    if (const std::optional<Property> p = propertyNamed(a.name()))
      candidates.push_back({kAttribute, 0, 0, *p, a.value(), site.offsetOf(a.value()), false, false});
  }
  for (const SheetMatch& m : sheet.matching(element)) {
    const Declaration& d = *m.declaration;
    if (const std::optional<Property> p = propertyNamed(d.property)) {
      candidates.push_back(
          {m.important ? kImportantSheet : kSheet, m.specificity, m.order, *p, d.value, d.valueOffset, m.byId, true});
    }
  }
  std::vector<Declaration> declarations;
  if (pugi::xml_attribute style = element.attribute("style")) {
    const std::size_t at = site.offsetOf(style.value());
    const auto place = [&](std::size_t inside) { return at == std::string::npos ? at : at + inside; };
    std::vector<ValueError> problems;
    declarations = parseStyle(style.value(), &problems);
    for (const ValueError& e : problems)
      site.ignored(place(e.offset()), std::string("ignored ") + e.what() + " in style");
    std::size_t order = 0;
    for (const Declaration& d : declarations) {
      if (const std::optional<Property> p = propertyNamed(d.property)) {
        candidates.push_back({isImportant(d.value) ? kImportantStyle : kStyle, 0, order++, *p, d.value,
                              place(d.valueOffset), false, false});
      }
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.level != b.level) return a.level < b.level;
    if (a.specificity != b.specificity) return a.specificity < b.specificity;
    return a.order < b.order;
  });
  bool ownFontSize = false;  // inherited, the font size is the parent's as computed
  for (const Candidate& c : candidates) {
    const std::size_t i = static_cast<std::size_t>(c.property);
    const std::string_view text = plainValue(c.value);
    SpecifiedValue& value = out.values[i];
    // The keywords every property takes: "inherit" the parent's value (for
    // inherited properties or not), "initial" the initial one, "unset"
    // either as the property inherits or not.
    const bool inherit = isKeyword(text, "inherit") || (isKeyword(text, "unset") && isInherited(c.property));
    if (inherit) {
      value = parent.values[i];
      value.byIdRule |= c.byId;
    } else if (isKeyword(text, "initial") || isKeyword(text, "unset")) {
      value = {std::string(initialValue(c.property)), 0, c.byId, false};
    } else if (const auto reason = c.checked ? std::nullopt : invalidValue(c.property, text)) {
      site.ignored(c.offset, ignoredText(propertyName(c.property), text, *reason));
      continue;
    } else {
      value = {std::string(text), c.offset, c.byId, false};
    }
    value.importantRule = c.level == kImportantSheet;
    if (c.property == Property::FontSize) ownFontSize = !inherit;
  }
  // The font size, which sizes text boxes and the font's units.
  if (ownFontSize) out.lengths.fontSize = parseFontSize(out[Property::FontSize].text, parent.lengths);
  // The root's font size is what rem is relative to.
  if (element.parent().type() == pugi::node_document) out.lengths.rootFontSize = out.lengths.fontSize;
  return out;
}

}  // namespace easel::svg
