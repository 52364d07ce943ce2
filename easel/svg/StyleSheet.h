// The rules of a file's <style> sheets, as far as drawings use them: simple
// selectors (a type, `*`, .class and #id, alone or run together as in
// `path.a#b`), comma groups, and declarations with !important. A selector
// this reader does not know (combinators, attributes, pseudo-classes) matches
// nothing, and at-rules (@media, @import, ...) are skipped whole: what they
// say is left to the viewers, which see the sheet written back unchanged.
#ifndef EASEL_SVG_STYLESHEET_H
#define EASEL_SVG_STYLESHEET_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

#include "Style.h"

namespace easel::svg {

struct SimpleSelector {
  std::string type;  // empty: any element
  std::vector<std::string> classes;
  std::string id;
  // CSS specificity (ids, classes, types) folded into one number.
  int specificity() const;
  bool matches(pugi::xml_node element) const;
};

// One declaration of the sheet that applies to an element, with what the
// cascade orders it by.
struct SheetMatch {
  const Declaration* declaration;  // value and its offset in the file
  int specificity;
  std::size_t order;  // later declarations of the file win ties
  bool important;
  bool byId;  // the selector names the element by its id
};

class StyleSheet {
 public:
  // Adds the rules of one sheet's text, which starts at `offset` in the file
  // (so that a value's place can be named). A declaration that cannot be
  // read, or whose value its property does not take (PropertyValues.h), is
  // dropped, as CSS readers do, and told to `ignored` with its place.
  using Ignored = std::function<void(std::size_t offset, std::string message)>;
  void add(std::string_view text, std::size_t offset, const Ignored& ignored = {});
  bool empty() const { return rules_.empty(); }
  // The declarations that apply to `element`, in the sheet's order.
  std::vector<SheetMatch> matching(pugi::xml_node element) const;

 private:
  struct Rule {
    std::vector<SimpleSelector> selectors;
    std::vector<Declaration> declarations;
    std::size_t firstOrder = 0;
  };
  std::vector<Rule> rules_;
  std::size_t declarationCount_ = 0;
};

// A selector group's selectors that this reader understands ("a, b.c").
std::vector<SimpleSelector> parseSelectors(std::string_view text);

}  // namespace easel::svg

#endif
