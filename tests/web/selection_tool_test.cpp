// The selection tool in groups: clicks at the top, deep and cycling, entering
// and leaving groups, marquees in the group entered, and the status bar's words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/web/CanvasSelection.h"
#include "easel/web/SelectionText.h"
#include "easel/web/SelectionTool.h"

namespace {

using namespace easel;
using easel::web::deepestAt;
using easel::web::describeSelection;
using easel::web::Pick;
using easel::web::SelectionTool;
using easel::web::shownSelection;

AIPathSegment corner(AIReal x, AIReal y) { return {{x, y}, {x, y}, {x, y}, true}; }

// The layer holds g1 (top: g2 with b over a) and d beside it.
class SelectionToolTest : public ::testing::Test {
 protected:
  ArtRef square(ArtRef container, AIReal left, AIReal bottom, AIReal size, const char* name) {
    ArtRef art = doc.createArt(ArtType::Path, container, Place::InsideOnBottom);
    doc.setSegments(art,
                    {corner(left, bottom), corner(left + size, bottom), corner(left + size, bottom + size),
                     corner(left, bottom + size)},
                    true);
    doc.setName(art, name);
    return art;
  }
  ArtRef group(ArtRef container, const char* name) {
    ArtRef art = doc.createArt(ArtType::Group, container, Place::InsideOnBottom);
    doc.setName(art, name);
    return art;
  }
  void click(AIReal x, AIReal y, Pick pick = Pick::Top, bool add = false) { tool.click(doc, {x, y}, 0, pick, add); }
  std::vector<ArtRef> shown() { return shownSelection(doc); }
  std::string text() { return describeSelection(doc, shownSelection(doc), tool.scope(doc)); }

  Document doc;
  ArtRef layer = doc.addLayer("Layer 1");
  ArtRef g1 = group(layer, "g1");
  ArtRef g2 = group(g1, "g2");
  ArtRef b = square(g2, 40, 40, 20, "b");
  ArtRef a = square(g1, 0, 0, 100, "a");
  ArtRef d = square(layer, 200, 0, 50, "d");
  SelectionTool tool;
};

TEST_F(SelectionToolTest, AClickTakesTheTopLevelObjectAndADeepClickTheArtItself) {
  EXPECT_EQ(deepestAt(doc, {50, 50}, 0), (std::vector<ArtRef>{b, a}));
  click(50, 50);
  EXPECT_EQ(shown(), std::vector<ArtRef>{g1});
  EXPECT_EQ(text(), "1 group of 2 objects in layer Layer 1");
  click(50, 50, Pick::Deepest);
  EXPECT_EQ(shown(), std::vector<ArtRef>{b});
  EXPECT_EQ(text(), "1 path in group g2");
  click(225, 25, Pick::Deepest, true);
  EXPECT_EQ(shown(), (std::vector<ArtRef>{b, d}));
  EXPECT_EQ(text(), "2 paths");  // in two containers: none named
}

TEST_F(SelectionToolTest, ACyclingClickTakesTheArtBelowTheSelectedOneInTurn) {
  const std::vector<ArtRef> expected{b, a, b};
  for (ArtRef art : expected) {
    click(50, 50, Pick::Cycle);
    EXPECT_EQ(shown(), std::vector<ArtRef>{art});
  }
  click(50, 50, Pick::Cycle, true);  // with Shift: the one below is added
  EXPECT_EQ(shown(), (std::vector<ArtRef>{b, a}));
}

TEST_F(SelectionToolTest, DoubleClicksEnterGroupsAndClicksOutsideLeaveThem) {
  click(50, 50, Pick::Enter);
  EXPECT_EQ(tool.scope(doc), g1);
  EXPECT_EQ(shown(), std::vector<ArtRef>{g2});
  click(50, 50, Pick::Enter);
  EXPECT_EQ(tool.scope(doc), g2);
  EXPECT_EQ(shown(), std::vector<ArtRef>{b});
  click(10, 10);  // outside g2, inside g1
  EXPECT_EQ(tool.scope(doc), g1);
  EXPECT_EQ(shown(), std::vector<ArtRef>{a});
  click(225, 25);  // outside g1
  EXPECT_FALSE(tool.scope(doc));
  EXPECT_EQ(shown(), std::vector<ArtRef>{d});
  click(225, 25, Pick::Enter);  // a path: nothing to enter
  EXPECT_FALSE(tool.scope(doc));
  EXPECT_EQ(shown(), std::vector<ArtRef>{d});
}

TEST_F(SelectionToolTest, LeavingGoesUpOneGroupAndSelectsIt) {
  click(50, 50, Pick::Enter);
  click(50, 50, Pick::Enter);
  doc.deselectAll();
  EXPECT_EQ(text(), "Nothing selected in group g2");
  tool.leave(doc);
  EXPECT_EQ(tool.scope(doc), g1);
  EXPECT_EQ(shown(), std::vector<ArtRef>{g2});
  tool.leave(doc);
  EXPECT_FALSE(tool.scope(doc));
  EXPECT_EQ(shown(), std::vector<ArtRef>{g1});
  tool.leave(doc);
  EXPECT_TRUE(shown().empty());
  EXPECT_EQ(text(), "Nothing selected");
}

TEST_F(SelectionToolTest, MarqueesAndSelectAllStayInTheGroupEntered) {
  click(50, 50, Pick::Enter);
  tool.marquee(doc, {-10, 300, 300, -10}, false);
  EXPECT_EQ(shown(), (std::vector<ArtRef>{g2, a}));
  EXPECT_EQ(text(), "2 objects (1 path, 1 group) in group g1");
  doc.deselectAll();
  tool.selectAll(doc);
  EXPECT_EQ(shown(), (std::vector<ArtRef>{g2, a}));
}

TEST_F(SelectionToolTest, AGroupEnteredThatIsGoneOrHiddenIsLeft) {
  click(50, 50, Pick::Enter);
  click(50, 50, Pick::Enter);
  doc.setHidden(g1, true);
  EXPECT_FALSE(tool.scope(doc));
  doc.setHidden(g1, false);
  EXPECT_EQ(tool.scope(doc), g2);
  doc.dispose(g2);
  EXPECT_FALSE(tool.scope(doc));
}

TEST_F(SelectionToolTest, ACompoundPathIsNamedWithItsMembers) {
  ArtRef compound = doc.createArt(ArtType::CompoundPath, layer, Place::InsideOnTop);
  for (AIReal left : {300.0f, 320.0f, 340.0f, 360.0f}) square(compound, left, 0, 10, "");
  doc.setName(layer, "");
  doc.setSelected(compound, true);
  EXPECT_EQ(text(), "1 compound path of 4 members in a layer");
  doc.setSelected(d, true);
  doc.setSelected(g1, true);
  EXPECT_EQ(text(), "3 objects (1 path, 1 compound path, 1 group) in a layer");
}

}  // namespace
