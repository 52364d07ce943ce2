// The attributes from which an editor draws a path again: its own description
// of the shape (a star's corners and radii, an arc's angles, a spiral's
// turns, a path effect and the path it works on, a connector's ends). Other
// editors read them back and redraw the shape from them, over the path data;
// a path whose geometry changed, such as every contour copy, goes without
// them, or the editor draws the old shape again.
#ifndef EASEL_SVG_REDRAWATTRIBUTES_H
#define EASEL_SVG_REDRAWATTRIBUTES_H

#include <string_view>

#include <pugixml.hpp>

namespace easel::svg {

// Whether the attribute `name` of `element` is one of them (by its namespace URI).
bool redrawsGeometry(pugi::xml_node element, std::string_view name);

}  // namespace easel::svg

#endif
