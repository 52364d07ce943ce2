// Small helpers for the SVG tests: documents from inline SVG, art by name.
#ifndef CONTOUR_TESTS_SVG_SVGTESTSUPPORT_H
#define CONTOUR_TESTS_SVG_SVGTESTSUPPORT_H

#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/svg/SvgImport.h"

namespace easel::svg::test {

// An SVG file around `body`: the root has the namespaces and `rootAttributes`.
inline std::string svgFile(const std::string& body,
                           const std::string& rootAttributes = "width=\"400\" height=\"200\"") {
  return "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
         "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" " +
         rootAttributes + ">\n" + body + "\n</svg>\n";
}

inline ImportedSvg load(const std::string& body, const std::string& rootAttributes = "width=\"400\" height=\"200\"") {
  return importSvg(svgFile(body, rootAttributes), "test.svg");
}

// The first art in document order with that name (null when none).
inline ArtRef find(const Document& d, const std::string& name) {
  for (ArtRef a = d.firstLayer(); a; a = d.nextInOrder(a)) {
    if (d.content(a).name == name) return a;
  }
  return {};
}

inline std::vector<ArtRef> layers(const Document& d) {
  std::vector<ArtRef> out;
  for (ArtRef l = d.firstLayer(); l; l = d.nextSibling(l)) out.push_back(l);
  return out;
}

inline std::vector<ArtRef> children(const Document& d, ArtRef art) {
  std::vector<ArtRef> out;
  for (ArtRef c = d.firstChild(art); c; c = d.nextSibling(c)) out.push_back(c);
  return out;
}

}  // namespace easel::svg::test

#endif
