// CSS declarations of a `style` attribute ("fill:red; stroke-width:2"), kept
// in order with their text so that what is not understood is written back.
#ifndef EASEL_SVG_STYLE_H
#define EASEL_SVG_STYLE_H

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ValueError.h"

namespace easel::svg {

struct Declaration {
  std::string property;         // lower case
  std::string value;            // trimmed, as written (with any !important)
  std::size_t valueOffset = 0;  // where the value starts in the style text
};

// Comments are dropped. A declaration that cannot be read (no ':', no
// property) is dropped too, as CSS readers do, and the rest is read; each
// such declaration is added to `problems` when it is given.
std::vector<Declaration> parseStyle(std::string_view text, std::vector<ValueError>* problems = nullptr);
std::string writeStyle(const std::vector<Declaration>& declarations);

// The value without a trailing "!important".
std::string_view plainValue(std::string_view value);
bool isImportant(std::string_view value);

// CSS comments turned into blanks of the same length, so offsets stay true.
void blankComments(std::string& text);

}  // namespace easel::svg

#endif
