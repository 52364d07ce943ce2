// A path's segments read back bit for bit as they were written, whichever
// form the list keeps them in (anchors alone in place or on the heap, whole
// segments) and however a write moves it from one form to the other.
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "easel/core/SegmentList.h"

namespace easel {
namespace {

using Segments = std::vector<AIPathSegment>;

AIPathSegment corner(AIReal h, AIReal v, ASBoolean c = 1) { return {{h, v}, {h, v}, {h, v}, c}; }

// Field by field and by bits: -0 is not 0 here.
bool sameBits(const Segments& a, const Segments& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const AIPathSegment &x = a[i], &y = b[i];
    if (std::memcmp(&x.p, &y.p, sizeof x.p) || std::memcmp(&x.in, &y.in, sizeof x.in) ||
        std::memcmp(&x.out, &y.out, sizeof x.out) || x.corner != y.corner)
      return false;
  }
  return true;
}

Segments read(const SegmentList& list) {
  Segments out;
  for (const AIPathSegment& s : list) out.push_back(s);
  return out;
}

struct Write {
  const char* what;
  Segments first;
  std::size_t at;  // then `then` written over [at, at + then.size())
  Segments then;
};

TEST(SegmentList, EveryWriteReadsBackAsWritten) {
  const Segments triangle = {corner(0, 0), corner(3, 0), corner(1, 2)};
  const Segments pentagon = {corner(0, 0), corner(3, 0), corner(4, 2), corner(1, 3), corner(-1, 1)};
  const Segments curve = {corner(0, 0), {{3, 0}, {2, 1}, {4, -1}, 1}, corner(1, 2)};
  const Write writes[] = {
      {"nothing", {}, 0, {}},
      {"a triangle", triangle, 0, {}},
      {"a pentagon", pentagon, 0, {}},
      {"a curve", curve, 0, {}},
      {"a direction point -0 on an anchor 0", {corner(0, 0), {{0, 0}, {-0.0f, 0}, {0, 0}, 1}}, 0, {}},
      {"corners that differ", {corner(0, 0, 1), corner(1, 0, 0), corner(1, 1, 1)}, 0, {}},
      {"an anchor moved in a triangle", triangle, 1, {corner(7, 8)}},
      {"a curve written into a triangle", triangle, 1, {curve[1]}},
      {"a curve written into a pentagon", pentagon, 4, {curve[1]}},
      {"another corner written into a pentagon", pentagon, 2, {corner(4, 2, 0)}},
      {"a triangle written over a curve", curve, 0, triangle},
      {"a curve written over a whole triangle", triangle, 0, curve},
  };
  for (const Write& w : writes) {
    SegmentList list(w.first);
    list.replace(w.at, w.then);
    Segments want = w.first;
    std::copy(w.then.begin(), w.then.end(), want.begin() + static_cast<std::ptrdiff_t>(w.at));
    EXPECT_TRUE(sameBits(read(list), want)) << w.what;
    EXPECT_TRUE(sameBits(read(SegmentList(list)), want)) << w.what << ", copied";
    SegmentList other(pentagon);
    other = list;
    EXPECT_TRUE(sameBits(read(other), want)) << w.what << ", assigned over a pentagon";
    SegmentList moved(std::move(other));
    EXPECT_TRUE(sameBits(moved.toVector(), want)) << w.what << ", moved";
    Segments some(want.size() > 1 ? want.size() - 1 : 0);
    list.copyTo(want.size() - some.size(), some.size(), some.data());
    EXPECT_TRUE(sameBits(some, Segments(want.end() - static_cast<std::ptrdiff_t>(some.size()), want.end())))
        << w.what << ", the last ones";
    const WholeSegments whole(list);
    EXPECT_TRUE(sameBits(Segments(whole.span().begin(), whole.span().end()), want)) << w.what << ", whole";
  }
}

// A list given its own segments (read whole) keeps them, though the new
// form would lay them out over the old.
TEST(SegmentList, AssigningItsOwnSegmentsKeepsThem) {
  const Segments curve = {corner(0, 0), {{3, 0}, {2, 1}, {4, -1}, 1}, corner(1, 2), corner(5, 5)};
  SegmentList list(curve);
  list.replace(1, std::vector{corner(3, 0)});  // every segment a corner now, kept whole
  list.assign(WholeSegments(list).span());
  Segments want = curve;
  want[1] = corner(3, 0);
  EXPECT_TRUE(sameBits(read(list), want));
}

}  // namespace
}  // namespace easel
