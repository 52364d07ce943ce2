#include "PathText.h"

#include <algorithm>

namespace easel {

namespace {

bool isControl(unsigned char c) { return c < 0x20 || c == 0x7f; }

}  // namespace

std::string shownPath(std::string_view path) {
  if (std::none_of(path.begin(), path.end(), [](char c) { return isControl(static_cast<unsigned char>(c)); }))
    return std::string(path);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string shown = "\"";
  for (const char c : path) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '\n': shown += "\\n"; break;
      case '\r': shown += "\\r"; break;
      case '\t': shown += "\\t"; break;
      case '"': shown += "\\\""; break;
      case '\\': shown += "\\\\"; break;
      default:
        if (isControl(u)) {
          shown += "\\x";
          shown += kHex[u >> 4];
          shown += kHex[u & 15];
        } else {
          shown += c;
        }
    }
  }
  return shown + "\"";
}

}  // namespace easel
