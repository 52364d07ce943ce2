#include "SvgSource.h"

namespace easel::svg {

std::string SvgArtExtra::canonical() const {
  if (kind == Kind::LooseArt) return "svg:loose-art";
  std::string out = "svg:<";
  out += node.name();
  for (pugi::xml_attribute a : node.attributes()) {
    out += ' ';
    out += a.name();
    out += "=\"";
    out += a.value();
    out += '"';
  }
  return out + ">";
}

const AIPathStyle& SvgArtExtra::importedStyle() const {
  static const AIPathStyle none{};
  return style ? *style : none;
}

const SvgArtExtra* unreadArt() {
  static const SvgArtExtra unread;
  return &unread;
}

}  // namespace easel::svg
