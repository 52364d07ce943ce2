// Text without the given characters at either end: blanks by default, or the
// white space of a format (SVG and CSS: space, tab, line feed, carriage return
// and form feed).
#ifndef EASEL_CORE_TRIMMED_H
#define EASEL_CORE_TRIMMED_H

#include <string_view>

namespace easel {

inline constexpr std::string_view kBlanks = " ";
inline constexpr std::string_view kSvgWhiteSpace = " \t\n\r\f";

constexpr std::string_view trimmed(std::string_view text, std::string_view around = kBlanks) {
  const std::size_t first = text.find_first_not_of(around);
  if (first == std::string_view::npos) return text.substr(text.size());
  return text.substr(first, text.find_last_not_of(around) - first + 1);
}

}  // namespace easel

#endif
