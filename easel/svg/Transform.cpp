#include "Transform.h"

#include <cmath>
#include <numbers>
#include <string>

#include "Scanner.h"

namespace easel::svg {

namespace {

struct TransformKind {
  std::string_view name;
  int minArgs, maxArgs;
};
constexpr TransformKind kKinds[] = {
    {"matrix", 6, 6}, {"translate", 1, 2}, {"scale", 1, 2}, {"rotate", 1, 3}, {"skewX", 1, 1}, {"skewY", 1, 1},
};

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

Affine build(std::string_view name, const double* v, int n) {
  if (name == "matrix") return {v[0], v[1], v[2], v[3], v[4], v[5]};
  if (name == "translate") return Affine::translate(v[0], n > 1 ? v[1] : 0);
  if (name == "scale") return Affine::scale(v[0], n > 1 ? v[1] : v[0]);
  if (name == "rotate") {
    if (n == 1) return rotation(v[0]);
    return Affine::translate(v[1], v[2]) * rotation(v[0]) * Affine::translate(-v[1], -v[2]);
  }
  if (name == "skewX") return {1, 0, std::tan(radians(v[0])), 1, 0, 0};
  return {1, std::tan(radians(v[0])), 0, 1, 0, 0};  // skewY
}

}  // namespace

Affine rotation(double degrees) {
  // Exact for the quarter turns, which are common in drawings.
  const double r = std::fmod(degrees, 360.0);
  double c = std::cos(radians(r)), s = std::sin(radians(r));
  if (r == 0) c = 1, s = 0;
  else if (r == 90 || r == -270)
    c = 0, s = 1;
  else if (r == 180 || r == -180)
    c = -1, s = 0;
  else if (r == 270 || r == -90)
    c = 0, s = -1;
  return {c, s, -s, c, 0, 0};
}

Affine parseTransformList(std::string_view text) {
  Scanner s(text);
  Affine result;
  s.skipSpace();
  while (!s.atEnd()) {
    const std::size_t nameAt = s.offset();
    const std::string_view name = s.word();
    const TransformKind* kind = nullptr;
    for (const TransformKind& k : kKinds) {
      if (k.name == name) kind = &k;
    }
    if (kind == nullptr) s.failAt(nameAt, "unknown transform '" + std::string(name) + "'");
    s.expect('(', "'(' after the transform's name");
    double v[6];
    int n = 0;
    s.skipSpace();
    while (s.peek() != ')') {
      if (n == kind->maxArgs) s.fail("too many numbers in " + std::string(name) + "()");
      if (n > 0) s.skipCommaSpace();
      v[n++] = s.number();
      s.skipSpace();
    }
    if (n < kind->minArgs || (kind->name == "rotate" && n == 2)) {
      s.fail("wrong number of values in " + std::string(name) + "()");
    }
    s.advance();  // ')'
    result = result * build(name, v, n);
    s.skipCommaSpace();
  }
  return result;
}

}  // namespace easel::svg
