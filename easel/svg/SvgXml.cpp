#include "SvgXml.h"

namespace easel::svg {

std::string_view svgName(pugi::xml_node node, std::string_view svgPrefix) {
  if (node.type() != pugi::node_element) return {};
  const std::string_view name = node.name();
  if (svgPrefix.empty()) return name.find(':') == std::string_view::npos ? name : std::string_view{};
  return name.substr(0, svgPrefix.size()) == svgPrefix ? name.substr(svgPrefix.size()) : std::string_view{};
}

std::string prefixFor(pugi::xml_node root, std::string_view uri, std::string_view fallback) {
  for (pugi::xml_attribute a : root.attributes()) {
    const std::string_view name = a.name();
    if (name.substr(0, 6) == "xmlns:" && uri == a.value()) return std::string(name.substr(6)) + ":";
  }
  return std::string(fallback);
}

pugi::xml_attribute hrefAttribute(pugi::xml_node node) {
  for (pugi::xml_attribute a : node.attributes()) {
    const std::string_view name = a.name();
    if (name == "href") return a;
  }
  for (pugi::xml_attribute a : node.attributes()) {
    const std::string_view name = a.name();
    if (name.size() > 5 && name.substr(name.size() - 5) == ":href") return a;
  }
  return {};
}

}  // namespace easel::svg
