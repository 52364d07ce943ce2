// Small helpers over pugixml shared by the reader and the writer.
#ifndef EASEL_SVG_SVGXML_H
#define EASEL_SVG_SVGXML_H

#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace easel::svg {

inline constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
inline constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
inline constexpr const char* kSodipodiNamespace = "http://sodipodi.sourceforge.net/DTD/sodipodi-0.dtd";

// The element's SVG name ("path") when it is in the SVG namespace as the file
// writes it (no prefix, or `svgPrefix` such as "svg:"); empty otherwise.
std::string_view svgName(pugi::xml_node node, std::string_view svgPrefix);

// The prefix (with its colon) that the root binds to `uri`; `fallback` when none.
std::string prefixFor(pugi::xml_node root, std::string_view uri, std::string_view fallback);

// href or xlink:href (any prefix); null when neither is there.
pugi::xml_attribute hrefAttribute(pugi::xml_node node);

}  // namespace easel::svg

#endif
