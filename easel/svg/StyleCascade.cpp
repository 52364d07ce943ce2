#include "StyleCascade.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "Length.h"
#include "Style.h"
#include "ValueError.h"

namespace easel::svg {

namespace {

struct PropertyInfo {
  std::string_view name;
  std::string_view initial;
  bool inherited;
};
constexpr PropertyInfo kProperties[kPropertyCount] = {
    {"fill", "black", true},          {"fill-rule", "nonzero", true},     {"stroke", "none", true},
    {"stroke-width", "1", true},      {"stroke-linecap", "butt", true},   {"stroke-linejoin", "miter", true},
    {"stroke-miterlimit", "4", true}, {"stroke-dasharray", "none", true}, {"stroke-dashoffset", "0", true},
    {"color", "black", true},         {"visibility", "visible", true},    {"opacity", "1", false},
    {"display", "inline", false},
};

const PropertyInfo& info(Property p) { return kProperties[static_cast<std::size_t>(p)]; }

// Attributes that can set a property (or the font size); the others, path
// data above all, need not even be measured.
bool setsStyle(std::string_view attribute) {
  return attribute == "font-size" || std::any_of(std::begin(kProperties), std::end(kProperties),
                                                 [&](const PropertyInfo& p) { return p.name == attribute; });
}

}  // namespace

std::string_view propertyName(Property p) { return info(p).name; }

ComputedStyle initialStyle() {
  ComputedStyle s;
  for (std::size_t i = 0; i < kPropertyCount; ++i) s.values[i].text = std::string(kProperties[i].initial);
  return s;
}

namespace {

// One declaration that may set a property of the element, with the place the
// cascade gives it; the last one in cascade order wins.
struct Candidate {
  int level;  // origin and importance, weakest first
  int specificity;
  std::size_t order;
  std::string_view property;
  std::string_view value;
  std::size_t offset;
  bool byId;
};

enum Level { kAttribute, kSheet, kStyle, kImportantSheet, kImportantStyle };

}  // namespace

ComputedStyle cascade(const ComputedStyle& parent, pugi::xml_node element, const char* buffer,
                      const StyleSheet& sheet) {
  ComputedStyle out = parent;
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    if (!kProperties[i].inherited) out.values[i] = {std::string(kProperties[i].initial), 0};
    out.values[i].importantRule = false;
  }
  const auto offsetOf = [&](const char* p) { return static_cast<std::size_t>(p - buffer); };
  std::vector<Candidate> candidates;
  for (pugi::xml_attribute a : element.attributes()) {
    if (setsStyle(a.name())) candidates.push_back({kAttribute, 0, 0, a.name(), a.value(), offsetOf(a.value()), false});
  }
  for (const SheetMatch& m : sheet.matching(element)) {
    const Declaration& d = *m.declaration;
    candidates.push_back(
        {m.important ? kImportantSheet : kSheet, m.specificity, m.order, d.property, d.value, d.valueOffset, m.byId});
  }
  std::vector<Declaration> declarations;
  if (pugi::xml_attribute style = element.attribute("style")) {
    try {
      declarations = parseStyle(style.value());
    } catch (const ValueError& e) {
      throw ValueError(e.what(), offsetOf(style.value()) + e.offset());
    }
    std::size_t order = 0;
    for (const Declaration& d : declarations) {
      candidates.push_back({isImportant(d.value) ? kImportantStyle : kStyle, 0, order++, d.property, d.value,
                            offsetOf(style.value()) + d.valueOffset, false});
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.level != b.level) return a.level < b.level;
    if (a.specificity != b.specificity) return a.specificity < b.specificity;
    return a.order < b.order;
  });
  std::string fontSize;
  for (const Candidate& c : candidates) {
    if (c.property == "font-size") fontSize = plainValue(c.value);
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
      if (c.property != kProperties[i].name) continue;
      const std::string_view text = plainValue(c.value);
      // "inherit" takes the parent's value, for inherited properties or not.
      if (text == "inherit") {
        out.values[i] = parent.values[i];
        out.values[i].byIdRule |= c.byId;
      } else {
        out.values[i] = {std::string(text), c.offset, c.byId, false};
      }
      out.values[i].importantRule = c.level == kImportantSheet;
    }
  }
  // The font size only sizes text boxes and em lengths: a value this
  // reader does not know (a keyword) keeps the parent's.
  if (!fontSize.empty()) {
    try {
      const Length l = parseLength(plainValue(fontSize));
      if (l.unit == Unit::Em || l.unit == Unit::Percent) {
        out.fontSizePx = parent.fontSizePx * l.value * (l.unit == Unit::Percent ? 0.01 : 1);
      } else if (l.unit == Unit::Ex) {
        out.fontSizePx = parent.fontSizePx * l.value / 2;
      } else {
        out.fontSizePx = toUserUnits(l, 0);
      }
    } catch (const ValueError&) {}
  }
  return out;
}

}  // namespace easel::svg
