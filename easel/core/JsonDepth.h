// A check of how deeply JSON text nests arrays and objects, made before the
// text is parsed: a parsed value is walked recursively (printed, compared,
// freed), so text nested a hundred thousand deep would overflow the stack.
#ifndef EASEL_CORE_JSONDEPTH_H
#define EASEL_CORE_JSONDEPTH_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace easel {

// Deeper than any parameter file, dialog script or editor request needs.
inline constexpr int kJsonMaxDepth = 64;

// Where text first nests deeper than maxDepth, as "line L: nested D deep,
// deeper than the limit of M"; nothing when it does not. Brackets inside
// strings do not count; text that is not JSON is left to the parser.
// (Inline, so that the JSON readers of every layer use it without linking.)
inline std::optional<std::string> jsonTooDeep(std::string_view text, int maxDepth = kJsonMaxDepth) {
  int depth = 0;
  std::size_t line = 1;
  bool inString = false, escaped = false;
  for (char c : text) {
    if (c == '\n') ++line;
    if (inString) {
      if (escaped) escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > maxDepth)
        return "line " + std::to_string(line) + ": nested " + std::to_string(depth) +
               " deep, deeper than the limit of " + std::to_string(maxDepth);
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return std::nullopt;
}

// At most maxLength characters of text, ending in "..." when cut: for quoting
// input in a message.
inline std::string quotedExcerpt(std::string_view text, std::size_t maxLength = 80) {
  if (text.size() <= maxLength) return std::string(text);
  return std::string(text.substr(0, maxLength > 3 ? maxLength - 3 : 0)) + "...";
}

}  // namespace easel

#endif
