// Letters compared without regard to case as SVG and CSS compare keywords,
// units and colour names: ASCII letters only, whatever the locale says, and
// inline, as every property value of every element is compared so.
#ifndef EASEL_SVG_ASCIICASE_H
#define EASEL_SVG_ASCIICASE_H

#include <algorithm>
#include <string_view>

namespace easel::svg {

inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

}  // namespace easel::svg

#endif
