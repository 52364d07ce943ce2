// The canvas's selection tool on a document: what lies under a point, what
// a marquee touches, and what the user sees selected.
#include <gtest/gtest.h>

#include <vector>

#include "easel/core/Document.h"
#include "easel/web/CanvasSelection.h"

namespace {

using namespace easel;
using easel::web::clickSelect;
using easel::web::marqueeSelect;
using easel::web::objectAt;
using easel::web::objectsInRect;
using easel::web::selectAll;
using easel::web::selectionBounds;

AIPathSegment corner(AIReal x, AIReal y) { return {{x, y}, {x, y}, {x, y}, true}; }

std::vector<AIPathSegment> square(AIReal left, AIReal bottom, AIReal size) {
  return {corner(left, bottom), corner(left + size, bottom), corner(left + size, bottom + size),
          corner(left, bottom + size)};
}

class CanvasSelectionTest : public ::testing::Test {
 protected:
  ArtRef path(ArtRef container, std::vector<AIPathSegment> segments, bool filled = true, AIReal strokeWidth = 1) {
    ArtRef art = doc.createArt(ArtType::Path, container, Place::InsideOnBottom);
    doc.setSegments(art, std::move(segments), true);
    AIPathStyle style = defaultPathStyle();
    style.fillPaint = filled;
    style.stroke.width = strokeWidth;
    doc.setStyle(art, style);
    return art;
  }
  bool selected(ArtRef art) { return (doc.content(art).attributes & kArtSelected) != 0; }

  Document doc;
  ArtRef layer = doc.addLayer("Layer 1");
};

TEST_F(CanvasSelectionTest, AFilledShapeIsHitInsideAndNotOutside) {
  ArtRef a = path(layer, square(0, 0, 100));
  EXPECT_EQ(objectAt(doc, {50, 50}, 0), a);
  EXPECT_EQ(objectAt(doc, {100.4f, 50}, 0), a);  // on the stroke: half of its 1 point reaches out
  EXPECT_FALSE(objectAt(doc, {101.5f, 50}, 0));
}

TEST_F(CanvasSelectionTest, OutlinesAreHitWithinTheToleranceAndHalfTheStroke) {
  ArtRef a = path(layer, square(0, 0, 100), false, 4);
  EXPECT_FALSE(objectAt(doc, {50, 50}, 1));      // no fill: the inside is empty
  EXPECT_EQ(objectAt(doc, {102.9f, 50}, 1), a);  // 2.9 from the edge: 1 + 4 / 2 = 3 reaches it
  EXPECT_FALSE(objectAt(doc, {103.2f, 50}, 1));
}

TEST_F(CanvasSelectionTest, CurvesAreFollowedNotTheirControlPoints) {
  // A cubic from (0,0) to (100,0) pulled up by (0,80) and (100,80) peaks at
  // 3/4 of 80 = 60 in the middle; closed by the straight base.
  AIPathSegment start{{0, 0}, {0, 0}, {0, 80}, false}, end{{100, 0}, {100, 80}, {100, 0}, false};
  ArtRef a = path(layer, {start, end}, true, 0);
  const AIReal peak = 0.75f * 80;
  EXPECT_EQ(objectAt(doc, {50, peak - 2}, 0), a);
  EXPECT_FALSE(objectAt(doc, {50, peak + 2}, 0));
  EXPECT_FALSE(objectAt(doc, {2, 70}, 0));  // inside the control polygon only
}

TEST_F(CanvasSelectionTest, TheTopmostObjectWinsAndGroupsAreTakenWhole) {
  ArtRef group = doc.createArt(ArtType::Group, layer, Place::InsideOnTop);
  ArtRef member = path(group, square(40, 40, 20));
  ArtRef below = path(layer, square(0, 0, 100));  // last child: the bottom of the stack
  EXPECT_EQ(objectAt(doc, {50, 50}, 0), group);
  EXPECT_EQ(objectAt(doc, {10, 10}, 0), below);
  (void)member;
}

TEST_F(CanvasSelectionTest, HolesOfCompoundPathsAreNotHit) {
  ArtRef compound = doc.createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  path(compound, square(0, 0, 100));
  path(compound, square(30, 30, 40));
  AIPathStyle style = doc.pathStyle(compound);
  style.evenOdd = true;
  style.strokePaint = false;
  doc.setPathStyle(compound, style);
  EXPECT_EQ(objectAt(doc, {10, 10}, 0), compound);
  EXPECT_FALSE(objectAt(doc, {50, 50}, 0));
}

TEST_F(CanvasSelectionTest, HiddenAndLockedArtCannotBeSelected) {
  ArtRef hidden = path(layer, square(0, 0, 100));
  ArtRef locked = path(layer, square(200, 0, 100));
  doc.setHidden(hidden, true);
  doc.setLocked(locked, true);
  EXPECT_FALSE(objectAt(doc, {50, 50}, 0));
  EXPECT_FALSE(objectAt(doc, {250, 50}, 0));
  EXPECT_TRUE(objectsInRect(doc, {-10, 400, 400, -10}).empty());
  selectAll(doc);
  EXPECT_FALSE(selected(hidden));
  EXPECT_FALSE(selected(locked));
}

TEST_F(CanvasSelectionTest, ClickShiftClickAndMarquee) {
  ArtRef a = path(layer, square(0, 0, 100));
  ArtRef b = path(layer, square(200, 0, 100));
  clickSelect(doc, a, false);
  EXPECT_TRUE(selected(a));
  clickSelect(doc, b, true);
  EXPECT_TRUE(selected(a) && selected(b));
  clickSelect(doc, a, true);
  EXPECT_FALSE(selected(a));
  EXPECT_TRUE(selected(b));
  clickSelect(doc, ArtRef(), false);  // on nothing
  EXPECT_FALSE(selected(a) || selected(b));
  // A marquee drawn from either corner meets what it touches.
  EXPECT_EQ(objectsInRect(doc, {250, 50, 90, 60}), (std::vector<ArtRef>{a, b}));
  EXPECT_EQ(objectsInRect(doc, {150, 50, 190, 60}), std::vector<ArtRef>{});
  marqueeSelect(doc, {b}, false);
  EXPECT_TRUE(selected(b) && !selected(a));
  marqueeSelect(doc, {a}, true);
  EXPECT_TRUE(selected(a) && selected(b));
}

TEST_F(CanvasSelectionTest, TheSelectionShowsEachObjectOnceByItsBounds) {
  ArtRef group = doc.createArt(ArtType::Group, layer, Place::InsideOnTop);
  path(group, square(0, 0, 10));
  path(group, square(20, 20, 10));
  ArtRef single = path(layer, square(100, 100, 50));
  doc.setSelected(group, true);  // selects its members too
  auto boxes = selectionBounds(doc);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].left, 0);
  EXPECT_EQ(boxes[0].top, 30);
  EXPECT_EQ(boxes[0].right, 30);
  EXPECT_EQ(boxes[0].bottom, 0);
  doc.setSelected(layer, true);  // a selected layer shows its objects
  EXPECT_EQ(selectionBounds(doc).size(), 2u);
  doc.deselectAll();
  doc.setSelected(single, true);
  boxes = selectionBounds(doc);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].left, 100);
  EXPECT_EQ(boxes[0].top, 150);
}

}  // namespace
