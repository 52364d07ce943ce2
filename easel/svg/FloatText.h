// Numbers as the exporter writes them.
#ifndef EASEL_SVG_FLOATTEXT_H
#define EASEL_SVG_FLOATTEXT_H

#include <string>

#include "easel/core/Json.h"

namespace easel::svg {

// The shortest text that reads back to the same float; negative zero is "0".
inline std::string floatText(float x) { return x == 0 ? std::string("0") : easel::shortestFloat(x); }

}  // namespace easel::svg

#endif
