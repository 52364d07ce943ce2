#include "Shapes.h"

#include <algorithm>
#include <vector>

#include "Arc.h"
#include "Scanner.h"

namespace easel::svg {

namespace {

// Straight and arc pieces into one closed subpath.
class Outline {
 public:
  explicit Outline(Vec2 start) { sub_.anchors.push_back({start, start, start}); }
  void line(Vec2 p) {
    if (p == sub_.anchors.back().p) return;
    sub_.anchors.push_back({p, p, p});
  }
  void arc(double rx, double ry, Vec2 to) {
    for (const Cubic& c : arcToCubics(sub_.anchors.back().p, rx, ry, 0, false, true, to)) {
      sub_.anchors.back().out = c.c1;
      sub_.anchors.push_back({c.end, c.c2, c.end});
    }
  }
  PathGeometry closed() {
    // The last anchor lies on the first: fold it in, as path data does.
    if (sub_.anchors.size() > 1 && sub_.anchors.back().p == sub_.anchors.front().p) {
      sub_.anchors.front().in = sub_.anchors.back().in;
      sub_.anchors.pop_back();
    }
    sub_.closed = true;
    return {sub_};
  }

 private:
  Subpath sub_;
};

}  // namespace

PathGeometry rectPath(double x, double y, double width, double height, double rx, double ry) {
  if (!(width > 0 && height > 0)) return {};
  if (rx < 0 && ry < 0) rx = ry = 0;
  else if (rx < 0)
    rx = ry;
  else if (ry < 0)
    ry = rx;
  rx = std::min(rx, width / 2);
  ry = std::min(ry, height / 2);
  if (rx == 0 || ry == 0) {
    Outline o({x, y});
    o.line({x + width, y});
    o.line({x + width, y + height});
    o.line({x, y + height});
    return o.closed();
  }
  const double r = x + width, b = y + height;
  Outline o({x + rx, y});
  o.line({r - rx, y});
  o.arc(rx, ry, {r, y + ry});
  o.line({r, b - ry});
  o.arc(rx, ry, {r - rx, b});
  o.line({x + rx, b});
  o.arc(rx, ry, {x, b - ry});
  o.line({x, y + ry});
  o.arc(rx, ry, {x + rx, y});
  return o.closed();
}

PathGeometry ellipsePath(double cx, double cy, double rx, double ry) {
  if (!(rx > 0 && ry > 0)) return {};
  Outline o({cx + rx, cy});
  o.arc(rx, ry, {cx, cy + ry});
  o.arc(rx, ry, {cx - rx, cy});
  o.arc(rx, ry, {cx, cy - ry});
  o.arc(rx, ry, {cx + rx, cy});
  return o.closed();
}

PathGeometry linePath(double x1, double y1, double x2, double y2) {
  Subpath s;
  s.anchors.push_back({{x1, y1}, {x1, y1}, {x1, y1}});
  s.anchors.push_back({{x2, y2}, {x2, y2}, {x2, y2}});
  return {s};
}

PathGeometry pointsPath(std::string_view points, bool closed, std::optional<ValueError>* error) {
  Scanner s(points);
  std::vector<double> v;
  std::size_t last = 0;  // where the last coordinate starts
  try {
    s.skipSpace();
    while (!s.atEnd()) {
      last = s.offset();
      v.push_back(s.number("a coordinate"));
      s.skipCommaSpace();
    }
    if (v.size() % 2 != 0) s.failAt(last, "odd number of coordinates");  // the reader adds " in points"
  } catch (const ValueError& e) {
    if (error == nullptr) throw;
    *error = e;
    v.resize(v.size() / 2 * 2);  // the points up to the error
  }
  if (v.empty()) return {};
  Subpath sub;
  for (std::size_t i = 0; i < v.size(); i += 2) {
    const Vec2 p{v[i], v[i + 1]};
    sub.anchors.push_back({p, p, p});
  }
  sub.closed = closed;
  if (closed && sub.anchors.size() > 1 && sub.anchors.back().p == sub.anchors.front().p) sub.anchors.pop_back();
  return {sub};
}

}  // namespace easel::svg
