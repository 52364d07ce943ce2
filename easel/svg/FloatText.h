// Numbers as the exporter writes them.
#ifndef EASEL_SVG_FLOATTEXT_H
#define EASEL_SVG_FLOATTEXT_H

#include <charconv>
#include <string>

namespace easel::svg {

// The shortest text that reads back to the same float; negative zero is "0".
inline void appendFloat(std::string& out, float x) {
  char buffer[32];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, x);
  if (x == 0 || ec != std::errc()) {
    out += '0';
  } else {
    out.append(buffer, end);
  }
}

inline std::string floatText(float x) {
  std::string out;
  appendFloat(out, x);
  return out;
}

}  // namespace easel::svg

#endif
