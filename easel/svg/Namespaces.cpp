#include "Namespaces.h"

#include <cstring>

namespace easel::svg {

namespace {

std::string_view prefixOf(std::string_view qualifiedName) {
  const std::size_t colon = qualifiedName.find(':');
  return colon == std::string_view::npos ? std::string_view() : qualifiedName.substr(0, colon);
}

// The declaration's prefix ("" for xmlns="..."), or false when the name is
// not a declaration.
bool declares(std::string_view attribute, std::string_view* prefix) {
  if (attribute == "xmlns") {
    *prefix = {};
    return true;
  }
  if (!attribute.starts_with("xmlns:")) return false;
  *prefix = attribute.substr(6);
  return true;
}

}  // namespace

std::string_view localName(std::string_view qualifiedName) {
  const std::size_t colon = qualifiedName.find(':');
  return colon == std::string_view::npos ? qualifiedName : qualifiedName.substr(colon + 1);
}

std::string_view namespaceOf(pugi::xml_node element, std::string_view qualifiedName, bool isAttribute) {
  const std::string_view prefix = prefixOf(qualifiedName);
  if (prefix.empty() && isAttribute) return {};
  if (prefix == "xml") return kXmlNamespace;
  for (pugi::xml_node n = element; n.type() == pugi::node_element; n = n.parent()) {
    for (pugi::xml_attribute a : n.attributes()) {
      std::string_view declared;
      if (declares(a.name(), &declared) && declared == prefix) return a.value();
    }
  }
  return {};
}

bool attributeIsIn(pugi::xml_node element, std::string_view name, std::string_view uri) {
  return name.find(':') != std::string_view::npos && namespaceOf(element, name, true) == uri;
}

pugi::xml_attribute attributeIn(pugi::xml_node element, std::string_view uri, std::string_view local) {
  pugi::xml_attribute found;
  attributesIn(element, uri, {&local, 1}, {&found, 1});
  return found;
}

void attributesIn(pugi::xml_node element, std::string_view uri, std::span<const std::string_view> locals,
                  std::span<pugi::xml_attribute> found) {
  for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute()) {
    const std::string_view name = a.name();
    for (std::size_t i = 0; i < locals.size(); ++i) {
      const std::string_view local = locals[i];
      // The cheap test first: the local name, then what the prefix means.
      if (!found[i] && name.size() > local.size() && name.ends_with(local) &&
          name[name.size() - local.size() - 1] == ':' && attributeIsIn(element, name, uri)) {
        found[i] = a;
      }
    }
  }
}

bool elementIs(pugi::xml_node element, std::string_view uri, std::string_view local) {
  return element.type() == pugi::node_element && localName(element.name()) == local &&
         namespaceOf(element, element.name(), false) == uri;
}

PrefixChoice::PrefixChoice(pugi::xml_node root, std::string_view uri, std::string_view wanted)
    : root_(root), uri_(uri), wanted_(wanted) {
  for (pugi::xml_attribute a : root.attributes()) {
    std::string_view p;
    if (declares(a.name(), &p) && !p.empty() && uri == a.value()) ours_.emplace(p);
  }
}

void PrefixChoice::noteUse(std::string_view prefix) {
  // A file's thousands of marks name the same few prefixes: the last one
  // taken answers most of them without a look-up.
  if ((lastTaken_ && prefix == *lastTaken_) || !prefix.starts_with(wanted_)) return;
  lastTaken_ = &*taken_.emplace(prefix).first;
  // A name that starts with "xmlns:" declares, and one with a colon in its
  // prefix is another's use: neither is a use of such a prefix.
  const bool usable = prefix != "xmlns" && prefix.find(':') == std::string_view::npos;
  lastUsable_ = usable ? lastTaken_ : nullptr;
}

bool PrefixChoice::usesLastTaken(const char* attribute) const {
  // strncmp stops at the name's end, which is then not measured.
  return lastUsable_ && std::strncmp(attribute, lastUsable_->data(), lastUsable_->size()) == 0 &&
         attribute[lastUsable_->size()] == ':';
}

void PrefixChoice::noteElement(std::string_view name) { noteUse(prefixOf(name)); }

void PrefixChoice::noteAttribute(const char* attribute, const char* value) {
  // Most names are neither a declaration nor in `wanted`'s family (a name's
  // prefix starts with `wanted` only when the name does): the first letter
  // tells, before the name is even measured.
  if (*attribute != 'x' && (wanted_.empty() || *attribute != wanted_.front())) return;
  if (usesLastTaken(attribute)) return;
  const std::string_view name = attribute;
  std::string_view p;
  if (!declares(name, &p)) return noteUse(prefixOf(name));
  noteUse(p);
  if (ours_.count(p) && uri_ != value) rebound_.emplace(p);
}

ChosenPrefix PrefixChoice::chosen() const {
  for (pugi::xml_attribute a : root_.attributes()) {
    std::string_view p;
    if (declares(a.name(), &p) && ours_.count(p) && !rebound_.count(p)) return {std::string(p) + ":", true};
  }
  for (int n = 0;; ++n) {
    std::string candidate(wanted_);
    if (n > 0) candidate += std::to_string(n);
    if (!taken_.count(candidate)) return {candidate + ":", false};
  }
}

}  // namespace easel::svg
