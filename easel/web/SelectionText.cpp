#include "SelectionText.h"

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace easel::web {

namespace {

struct KindName {
  ArtType type;
  const char* one;
  const char* many;
};

constexpr std::array<KindName, 9> kKinds{{
    {ArtType::Path, "path", "paths"},
    {ArtType::CompoundPath, "compound path", "compound paths"},
    {ArtType::Group, "group", "groups"},
    {ArtType::Text, "text object", "text objects"},
    {ArtType::Placed, "placed file", "placed files"},
    {ArtType::Raster, "image", "images"},
    {ArtType::Symbol, "symbol", "symbols"},
    {ArtType::Mesh, "mesh", "meshes"},
    {ArtType::MysteryPath, "object", "objects"},
}};

std::string counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

std::size_t memberCount(const Document& d, ArtRef art) {
  std::size_t n = 0;
  for (ArtRef child = d.firstChild(art); child; child = d.nextSibling(child)) ++n;
  return n;
}

// "group g12", "layer Layer 1", or "a group" when it has no name.
std::string containerName(const Document& d, ArtRef container) {
  const std::string& name = d.content(container).name;
  const char* kind = d.parent(container) ? "group" : "layer";
  return name.empty() ? std::string("a ") + kind : std::string(kind) + " " + name;
}

}  // namespace

std::string describeSelection(const Document& document, const std::vector<ArtRef>& shown, ArtRef scope) {
  if (shown.empty()) return scope ? "Nothing selected in " + containerName(document, scope) : "Nothing selected";
  std::array<std::size_t, kKinds.size()> counts{};
  for (ArtRef art : shown)
    for (std::size_t k = 0; k < kKinds.size(); ++k)
      if (kKinds[k].type == document.type(art)) ++counts[k];
  std::string text;
  if (shown.size() == 1) {
    const ArtRef art = shown.front();
    const ArtType type = document.type(art);
    for (const KindName& kind : kKinds)
      if (kind.type == type) text = counted(1, kind.one, kind.many);
    if (type == ArtType::Group) text += " of " + counted(memberCount(document, art), "object", "objects");
    if (type == ArtType::CompoundPath) text += " of " + counted(memberCount(document, art), "member", "members");
  } else {
    std::vector<std::string> parts;
    for (std::size_t k = 0; k < kKinds.size(); ++k)
      if (counts[k]) parts.push_back(counted(counts[k], kKinds[k].one, kKinds[k].many));
    if (parts.size() == 1) {
      text = parts.front();
    } else {
      text = counted(shown.size(), "object", "objects") + " (";
      for (std::size_t i = 0; i < parts.size(); ++i) text += (i ? ", " : "") + parts[i];
      text += ")";
    }
  }
  const ArtRef container = document.parent(shown.front());
  for (ArtRef art : shown)
    if (document.parent(art) != container) return text;
  return text + " in " + containerName(document, container);
}

}  // namespace easel::web
