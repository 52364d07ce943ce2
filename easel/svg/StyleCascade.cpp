#include "StyleCascade.h"

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
    {"fill", "black", true},
    {"fill-rule", "nonzero", true},
    {"stroke", "none", true},
    {"stroke-width", "1", true},
    {"stroke-linecap", "butt", true},
    {"stroke-linejoin", "miter", true},
    {"stroke-miterlimit", "4", true},
    {"stroke-dasharray", "none", true},
    {"stroke-dashoffset", "0", true},
    {"color", "black", true},
    {"visibility", "visible", true},
    {"opacity", "1", false},
    {"display", "inline", false},
};

const PropertyInfo& info(Property p) { return kProperties[static_cast<std::size_t>(p)]; }

}  // namespace

std::string_view propertyName(Property p) { return info(p).name; }
bool isInherited(Property p) { return info(p).inherited; }

ComputedStyle initialStyle() {
  ComputedStyle s;
  for (std::size_t i = 0; i < kPropertyCount; ++i) s.values[i].text = std::string(kProperties[i].initial);
  return s;
}

ComputedStyle cascade(const ComputedStyle& parent, pugi::xml_node element, const char* buffer) {
  ComputedStyle out = parent;
  for (std::size_t i = 0; i < kPropertyCount; ++i) {
    if (!kProperties[i].inherited) out.values[i] = {std::string(kProperties[i].initial), 0};
  }
  // "inherit" takes the parent's value, for inherited properties or not.
  const auto set = [&](std::size_t i, std::string_view text, std::size_t offset) {
    out.values[i] = text == "inherit" ? parent.values[i] : SpecifiedValue{std::string(text), offset};
  };
  const auto offsetOf = [&](const char* p) { return static_cast<std::size_t>(p - buffer); };
  std::string fontSize;
  for (pugi::xml_attribute a : element.attributes()) {
    const std::string_view name = a.name();
    if (name == "font-size") fontSize = a.value();
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
      if (name == kProperties[i].name) set(i, plainValue(a.value()), offsetOf(a.value()));
    }
  }
  if (pugi::xml_attribute style = element.attribute("style")) {
    std::vector<Declaration> declarations;
    try {
      declarations = parseStyle(style.value());
    } catch (const ValueError& e) {
      throw ValueError(e.what(), offsetOf(style.value()) + e.offset());
    }
    for (const Declaration& d : declarations) {
      const std::size_t at = offsetOf(style.value()) + d.valueOffset;
      if (d.property == "font-size") fontSize = d.value;
      for (std::size_t i = 0; i < kPropertyCount; ++i) {
        if (d.property == kProperties[i].name) set(i, plainValue(d.value), at);
      }
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
    } catch (const ValueError&) {
    }
  }
  return out;
}

}  // namespace easel::svg
