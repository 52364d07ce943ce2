// What the SVG tests compare: two documents art by art (geometry, paint,
// names), and two sets of files by their renderings (RenderComparison.h).
#ifndef CONTOUR_TESTS_SUPPORT_SVGCOMPARISON_H
#define CONTOUR_TESTS_SUPPORT_SVGCOMPARISON_H

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "easel/core/Document.h"
#include "easel/svg/ColorText.h"
#include "tests/support/RenderComparison.h"

namespace easel::svg::test {

// How far two coordinates may be apart: 0 for an exact round trip; when the
// writer rewrote the geometry, the rounding of a float written in the
// element's own user space and mapped back (a few units in the last place of
// the page's size).
struct Tolerance {
  double coordinate = 0;
  double width = 0;  // relative, for stroke widths and dashes
};

class DocumentComparison {
 public:
  DocumentComparison(const Document& a, const Document& b, Tolerance t) : a_(a), b_(b), t_(t) {
    scale_ = std::max(a.pageWidth(), a.pageHeight());
  }

  void run() {
    ArtRef x = a_.firstLayer(), y = b_.firstLayer();
    for (; x && y; x = a_.nextInOrder(x), y = b_.nextInOrder(y)) compare(x, y);
    EXPECT_FALSE(x) << "art missing after the round trip";
    EXPECT_FALSE(y) << "art added by the round trip";
    EXPECT_EQ(a_.swatches().size(), b_.swatches().size());
  }

 private:
  void near(double u, double v, const std::string& what) {
    if (t_.coordinate == 0) {
      EXPECT_EQ(u, v) << what;
    } else {
      EXPECT_NEAR(u, v, t_.coordinate * (scale_ + std::abs(u))) << what;
    }
  }
  void nearWidth(double u, double v, const std::string& what) {
    if (t_.width == 0) {
      EXPECT_EQ(u, v) << what;
    } else {
      EXPECT_NEAR(u, v, t_.width * std::abs(u) + 1e-30) << what;
    }
  }
  void point(const AIRealPoint& p, const AIRealPoint& q, const std::string& what) {
    near(p.h, q.h, what + " x");
    near(p.v, q.v, what + " y");
  }
  void compare(ArtRef x, ArtRef y) {
    const ArtContent& c = a_.content(x);
    const ArtContent& d = b_.content(y);
    const std::string what = std::string(artTypeName(c.type)) + " '" + c.name.get() + "'";
    ASSERT_EQ(c.type, d.type) << what;
    EXPECT_EQ(c.name.get(), d.name.get()) << what;
    EXPECT_EQ(c.attributes, d.attributes) << what;
    EXPECT_EQ(c.opacity, d.opacity) << what;
    EXPECT_EQ(c.closed, d.closed) << what;
    ASSERT_EQ(c.segments.size(), d.segments.size()) << what;
    for (std::size_t i = 0; i < c.segments.size(); ++i) {
      const std::string s = what + " segment " + std::to_string(i);
      point(c.segments[i].p, d.segments[i].p, s + " anchor");
      point(c.segments[i].in, d.segments[i].in, s + " in");
      point(c.segments[i].out, d.segments[i].out, s + " out");
    }
    if (hasSegments(c.type) || c.type == ArtType::CompoundPath) style(c.style, d.style, what);
    if (hasMatrix(c.type)) {
      const AIRealMatrix &m = c.placement->matrix, &n = d.placement->matrix;
      EXPECT_EQ(m.a, n.a) << what;
      EXPECT_EQ(m.tx, n.tx) << what;
      EXPECT_EQ(m.ty, n.ty) << what;
    }
  }
  void style(const AIPathStyle& s, const AIPathStyle& t, const std::string& what) {
    EXPECT_EQ(s.fillPaint, t.fillPaint) << what;
    EXPECT_EQ(s.strokePaint, t.strokePaint) << what;
    EXPECT_TRUE(sameColor(s.fill.color, t.fill.color)) << what << " fill";
    EXPECT_TRUE(sameColor(s.stroke.color, t.stroke.color)) << what << " stroke";
    EXPECT_EQ(s.evenOdd, t.evenOdd) << what;
    nearWidth(s.stroke.width, t.stroke.width, what + " stroke width");
    EXPECT_EQ(s.stroke.dashCount, t.stroke.dashCount) << what;
    for (int i = 0; i < s.stroke.dashCount && i < kMaxDashComponents; ++i) {
      nearWidth(s.stroke.dashes[i], t.stroke.dashes[i], what + " dash");
    }
    EXPECT_EQ(s.stroke.cap, t.stroke.cap) << what;
    EXPECT_EQ(s.stroke.join, t.stroke.join) << what;
    EXPECT_EQ(s.stroke.miterLimit, t.stroke.miterLimit) << what;
  }

  const Document& a_;
  const Document& b_;
  Tolerance t_;
  double scale_ = 1;
};

}  // namespace easel::svg::test

#endif
