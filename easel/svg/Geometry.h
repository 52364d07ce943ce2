// Points and affine matrices in double precision: SVG geometry is worked out
// in doubles and rounded to the artwork's single precision only at the end.
#ifndef EASEL_SVG_GEOMETRY_H
#define EASEL_SVG_GEOMETRY_H

namespace easel::svg {

struct Vec2 {
  double x = 0, y = 0;
  friend Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
  friend Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
  friend Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
  friend bool operator==(Vec2 a, Vec2 b) { return a.x == b.x && a.y == b.y; }
};

// x' = a*x + c*y + e, y' = b*x + d*y + f (the order of SVG's matrix()).
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

  static Affine translate(double tx, double ty) { return {1, 0, 0, 1, tx, ty}; }
  static Affine scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }

  Vec2 apply(Vec2 p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
  double determinant() const { return a * d - b * c; }
  // The inverse; a singular matrix has none and gives the identity (callers
  // check determinant() first where it matters).
  Affine inverse() const {
    const double det = determinant();
    if (det == 0) return {};
    return {d / det, -b / det, -c / det, a / det, (c * f - d * e) / det, (b * e - a * f) / det};
  }
  // (this * m).apply(p) == this->apply(m.apply(p)): `m` is applied first.
  friend Affine operator*(const Affine& l, const Affine& r) {
    return {l.a * r.a + l.c * r.b, l.b * r.a + l.d * r.b,       l.a * r.c + l.c * r.d,
            l.b * r.c + l.d * r.d, l.a * r.e + l.c * r.f + l.e, l.b * r.e + l.d * r.f + l.f};
  }
  friend bool operator==(const Affine&, const Affine&) = default;
};

}  // namespace easel::svg

#endif
