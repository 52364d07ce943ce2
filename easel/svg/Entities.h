// The general entities a file declares in its DOCTYPE's internal subset
// (<!ENTITY ns_svg "http://www.w3.org/2000/svg">), as older editors wrote
// them for namespaces and styles, and their expansion in attribute values and
// text, within a budget. Nothing outside the file is ever read: an entity
// that names a file (SYSTEM, PUBLIC) cannot be expanded, and a parameter
// entity reference in the subset (%name;) is refused, since what it would
// declare is not known.
#ifndef EASEL_SVG_ENTITIES_H
#define EASEL_SVG_ENTITIES_H

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ValueError.h"

namespace easel::svg {

struct Entity {
  std::string text;  // the replacement text (character references already replaced)
  // For an entity that names a file (SYSTEM or PUBLIC): what it names.
  std::optional<std::string> external;
};
using EntityTable = std::map<std::string, Entity, std::less<>>;

// The entities declared before the root element of `text`; empty when there
// is no DOCTYPE or it declares none. Throws ValueError (offset in `text`) for
// a parameter entity reference or a declaration that cannot be read.
EntityTable declaredEntities(std::string_view text);

// The expansion went past its budget.
class EntityBudgetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Decodes values of XML parsed without its escapes: the five predefined
// entities, character references and the declared entities (their own
// references expanded in turn). Every byte that entities put into the
// values counts against one budget for the whole file.
class EntityExpander {
 public:
  EntityExpander(const EntityTable& entities, std::size_t budget) : entities_(entities), left_(budget) {}

  // `value` decoded; in an attribute, white space from an entity becomes
  // spaces. Throws ValueError (offset in `value`) for an entity that is not
  // declared, refers to itself or names a file, for markup it would put in an
  // attribute, or in text (which this reader does not parse again); and
  // EntityBudgetError past the budget.
  std::string decode(std::string_view value, bool attribute);

 private:
  void expand(std::string_view text, bool attribute, std::size_t depth, std::size_t at, std::string& out);
  void spend(std::size_t bytes);

  const EntityTable& entities_;
  std::size_t left_;
  std::vector<std::string_view> active_;  // the entities being expanded, to find loops
};

}  // namespace easel::svg

#endif
