#include "RedrawAttributes.h"

#include <algorithm>
#include <initializer_list>

#include "Namespaces.h"
#include "SvgXml.h"

namespace easel::svg {

namespace {

struct Family {
  std::string_view uri;
  std::initializer_list<std::string_view> names;
};

// By namespace: the shapes of the editor of sodipodi:type (stars, polygons,
// arcs, spirals), and its path effects, offsets and connectors.
const Family kFamilies[] = {
    {kSodipodiNamespace, {"type",     "cx",        "cy",         "rx",      "ry",         "r1",    "r2",  "arg1",
                          "arg2",     "sides",     "flatsided",  "rounded", "randomized", "start", "end", "open",
                          "arc-type", "expansion", "revolution", "radius",  "argument",   "t0"}},
    {kInkscapeNamespace,
     {"original-d", "path-effect", "flatsided", "rounded", "randomized", "radius", "original", "href", "connector-type",
      "connection-start", "connection-end", "connection-start-point", "connection-end-point"}},
};

}  // namespace

bool redrawsGeometry(pugi::xml_node element, std::string_view name) {
  if (name.find(':') == std::string_view::npos) return false;
  const std::string_view local = localName(name);
  for (const Family& f : kFamilies) {
    if (std::find(f.names.begin(), f.names.end(), local) != f.names.end() && attributeIsIn(element, name, f.uri)) {
      return true;
    }
  }
  return false;
}

}  // namespace easel::svg
