// Swatches: the solid paints an editor keeps as one-stop gradients.
#include "SvgImporter.h"

#include "ColorText.h"

namespace easel::svg::detail {

void Importer::addSolidSwatches() {
  std::vector<Swatch> found;
  std::vector<pugi::xml_node> stack{source_->root};
  while (!stack.empty()) {
    pugi::xml_node n = stack.back();
    stack.pop_back();
    if (nameOf(n) == "linearGradient" && std::string_view(n.attribute("osb:paint").value()) == "solid") {
      const std::vector<pugi::xml_node> stops = gradientStops(n);
      if (stops.size() == 1) {
        pugi::xml_attribute label = n.attribute((source_->inkscapePrefix + "label").c_str());
        found.push_back({label ? label.value() : n.attribute("id").value(), rgbColor(stopColor(stops[0]))});
      }
    }
    for (pugi::xml_node c = n.last_child(); c; c = c.previous_sibling()) {
      if (c.type() == pugi::node_element) stack.push_back(c);
    }
  }
  doc_->insertSwatches(Document::kFixedSwatchCount, std::move(found));
}

}  // namespace easel::svg::detail
