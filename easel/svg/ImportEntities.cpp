// Entities the file declares in its DOCTYPE, expanded in the parsed tree.
#include "SvgImporter.h"

#include <algorithm>

#include "Entities.h"

namespace easel::svg::detail {

void Importer::expandEntities(const EntityTable& entities, std::size_t fileSize) {
  // At most ten times the file, and never more than a megabyte: a file of
  // entities that multiply ("billion laughs") stops there.
  const std::size_t limit = std::min(kEntityLimit, fileSize * 10);
  EntityExpander expander(entities, limit);
  const auto decoded = [&](const char* value, bool attribute) -> std::optional<std::string> {
    if (std::string_view(value).find('&') == std::string_view::npos) return std::nullopt;
    try {
      return expander.decode(value, attribute);
    } catch (const ValueError& e) {
      failAt(plus(offsetOf(value), e.offset()), e.what());
    } catch (const EntityBudgetError&) {
      const bool megabyte = limit == kEntityLimit;
      failAt(std::string::npos, "the entities expand to more than " +
                                    (megabyte ? std::string("1 MB") : std::to_string(limit) + " bytes") +
                                    ", the limit (10 times the file's size, at most 1 MB)");
    }
  };
  // Every element and text, without recursion (the depth is checked later).
  pugi::xml_node n = source_->xml.first_child();
  while (n) {
    if (n.type() == pugi::node_element) {
      for (pugi::xml_attribute a : n.attributes()) {
        if (auto text = decoded(a.value(), true)) {
          const std::size_t at = offsetOf(a.value());
          a.set_value(text->c_str());
          moved_[a.value()] = at;
        }
      }
    } else if (n.type() == pugi::node_pcdata) {
      if (auto text = decoded(n.value(), false)) {
        const std::size_t at = offsetOf(n.value());
        n.set_value(text->c_str());
        moved_[n.value()] = at;
      }
    }
    if (n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n && !n.next_sibling()) n = n.parent();
    if (n) n = n.next_sibling();
  }
}

}  // namespace easel::svg::detail
