// Numbers as the exporter writes them.
#ifndef EASEL_SVG_FLOATTEXT_H
#define EASEL_SVG_FLOATTEXT_H

#include <cstddef>
#include <string>

#include "easel/core/NumberText.h"

namespace easel::svg {

// The room writeFloat needs: far more than any float's shortest text.
inline constexpr std::size_t kFloatTextRoom = easel::kShortestRoom;

// The shortest text that reads back to the same float, at `at` (with
// kFloatTextRoom bytes free); negative zero is "0". Returns the end.
inline char* writeFloat(char* at, float x) {
  if (x != 0) return easel::writeShortest(at, x);
  *at = '0';
  return at + 1;
}

inline void appendFloat(std::string& out, float x) {
  char buffer[kFloatTextRoom];
  out.append(buffer, writeFloat(buffer, x));
}

inline std::string floatText(float x) {
  std::string out;
  appendFloat(out, x);
  return out;
}

}  // namespace easel::svg

#endif
