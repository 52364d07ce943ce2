// Names by namespace, as XML means them: a prefix stands for the URI that the
// nearest declaration in scope binds it to (on the element itself, then on
// its ancestors), so that a name is known by its URI, never by its prefix
// alone. A file may bind `contour` to another namespace, or rebind it
// inside: our names are the ones whose prefix means our URI where they are.
#ifndef EASEL_SVG_NAMESPACES_H
#define EASEL_SVG_NAMESPACES_H

#include <set>
#include <span>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace easel::svg {

inline constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

// "run" of "contour:run".
std::string_view localName(std::string_view qualifiedName);

// The URI that a name's prefix means at `element` ("" for none). An
// attribute without a prefix is in no namespace; an element without one is
// in the default namespace.
std::string_view namespaceOf(pugi::xml_node element, std::string_view qualifiedName, bool isAttribute);

// The element's attribute `local` in namespace `uri`, whatever its prefix.
pugi::xml_attribute attributeIn(pugi::xml_node element, std::string_view uri, std::string_view local);
// The same for several local names in one pass over the attributes: found[i]
// is the attribute `locals[i]` (empty when the element has none).
void attributesIn(pugi::xml_node element, std::string_view uri, std::span<const std::string_view> locals,
                  std::span<pugi::xml_attribute> found);
// Whether an attribute name of `element` is `uri`'s.
bool attributeIsIn(pugi::xml_node element, std::string_view name, std::string_view uri);
// Whether the element is named `local` in namespace `uri`.
bool elementIs(pugi::xml_node element, std::string_view uri, std::string_view local);

// The prefix (with its colon) under which the writer writes names of `uri`
// into the file of `root`: one that the root binds to it and no element
// binds otherwise; else the first of `wanted`, `wanted`1, `wanted`2, ...
// that no element of the file declares or uses. `declared` says whether the
// root declares it already.
struct ChosenPrefix {
  std::string prefix;
  bool declared = false;
};
// Chosen as the reader walks the file's elements anyway: each is noted,
// the root included, and the choice made after the last.
class PrefixChoice {
 public:
  PrefixChoice(pugi::xml_node root, std::string_view uri, std::string_view wanted);
  // An element's name, and each of its attributes: the reader notes them in
  // the one pass it makes over each element's attributes.
  void noteElement(std::string_view name);
  void noteAttribute(const char* name, const char* value);
  ChosenPrefix chosen() const;

 private:
  void noteUse(std::string_view prefix);
  // Whether the attribute's name is a use of the last prefix taken, which
  // needs noting no more: most of a file's marks.
  bool usesLastTaken(const char* attribute) const;

  pugi::xml_node root_;
  std::string_view uri_, wanted_;
  std::set<std::string, std::less<>> ours_;     // what the root binds to `uri`
  std::set<std::string, std::less<>> taken_;    // declared or used in `wanted`'s family
  const std::string* lastTaken_ = nullptr;      // of taken_, the last noted
  const std::string* lastUsable_ = nullptr;     // lastTaken_, if an attribute's name can use it
  std::set<std::string, std::less<>> rebound_;  // of ours_, those an element binds otherwise
};

}  // namespace easel::svg

#endif
