// An element's id and contour marks (contour:run, contour:source), read in
// one pass over its attributes. Whether a mark's prefix means our namespace
// is looked up once for each parent element and prefix, as contours come by
// the thousand under one layer; an element that declares namespaces itself,
// or has two names that could be the same mark, is read the long way
// (Namespaces.h). The reader of the file and the run book both read marks so.
#ifndef EASEL_SVG_MARKREADER_H
#define EASEL_SVG_MARKREADER_H

#include <string_view>

#include <pugixml.hpp>

#include "ColorText.h"
#include "Namespaces.h"

namespace easel::svg {

class MarkReader {
 public:
  struct Marks {
    std::string_view id;
    pugi::xml_attribute run, source;
  };
  Marks read(pugi::xml_node element) {
    Marks m;
    bool plain = true;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
      const std::string_view name = a.name();
      if (name == "id") {
        if (m.id.empty()) m.id = a.value();
      } else if (name.starts_with("xmlns")) {
        plain = false;
      } else if (name.ends_with(":run")) {
        plain = plain && !m.run, m.run = a;
      } else if (name.ends_with(":source")) {
        plain = plain && !m.source, m.source = a;
      }
    }
    if (!plain) {
      m.run = attributeIn(element, kContourNamespace, "run");
      m.source = attributeIn(element, kContourNamespace, "source");
    } else {
      if (m.run && !ours(element.parent(), m.run.name())) m.run = pugi::xml_attribute();
      if (m.source && !ours(element.parent(), m.source.name())) m.source = pugi::xml_attribute();
    }
    return m;
  }

 private:
  bool ours(pugi::xml_node parent, std::string_view name) {
    const std::string_view prefix = name.substr(0, name.find(':'));
    if (parent != parent_ || prefix != prefix_) {
      parent_ = parent, prefix_ = prefix;
      ours_ = namespaceOf(parent, name, true) == kContourNamespace;
    }
    return ours_;
  }
  pugi::xml_node parent_;
  std::string_view prefix_;
  bool ours_ = false;
};

}  // namespace easel::svg

#endif
