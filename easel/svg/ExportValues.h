// How the SVG writer spells values: numbers (the shortest text that reads
// back to the same float), matrices, and stroke caps and joins. The editor's
// page is sent the same words.
#ifndef EASEL_SVG_EXPORTVALUES_H
#define EASEL_SVG_EXPORTVALUES_H

#include <cstdint>
#include <string>

#include "FloatText.h"
#include "Geometry.h"

namespace easel::svg {

inline const char* capName(int32_t cap) { return cap == 1 ? "round" : cap == 2 ? "square" : "butt"; }
inline const char* joinName(int32_t join) { return join == 1 ? "round" : join == 2 ? "bevel" : "miter"; }

inline std::string number(double v) { return floatText(static_cast<float>(v)); }

inline std::string matrixText(const Affine& m) {
  return "matrix(" + number(m.a) + "," + number(m.b) + "," + number(m.c) + "," + number(m.d) + "," + number(m.e) + "," +
         number(m.f) + ")";
}

}  // namespace easel::svg

#endif
