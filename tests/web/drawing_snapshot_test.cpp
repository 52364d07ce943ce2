// What the page is sent after a change of the document: the art to take out
// and the art to put in, each below the object that lies above it, so that
// patching the page's copy gives the drawing in its stacking order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "easel/core/Document.h"
#include "easel/web/DrawingSnapshot.h"

namespace {

using namespace easel;
using easel::web::changesBetween;
using easel::web::takeSnapshot;

AIPathSegment corner(AIReal x, AIReal y) { return {{x, y}, {x, y}, {x, y}, true}; }

struct Drawing {
  Document doc;
  ArtRef layer = doc.addLayer("Layer 1");
  // Three squares; a is on top of the stack.
  ArtRef a = square(0), b = square(10), c = square(20);
  ArtRef square(AIReal x) {
    ArtRef art = doc.createArt(ArtType::Path, layer, Place::InsideOnBottom);
    doc.setSegments(art, {corner(x, 0), corner(x + 5, 0), corner(x + 5, 5)}, true);
    return art;
  }
};

// The changes as "-a" (taken out) and "+a<b" (put in, below b; "+a<" at the top).
std::vector<std::string> changes(Drawing& d, const std::function<std::vector<ArtRef>(Drawing&)>& change) {
  const auto before = takeSnapshot(d.doc);
  std::vector<ArtRef> made = change(d);
  std::vector<std::pair<ArtRef, std::string>> names = {{d.a, "a"}, {d.b, "b"}, {d.c, "c"}, {d.layer, "L"}};
  for (std::size_t i = 0; i < made.size(); ++i) names.emplace_back(made[i], "n" + std::to_string(i + 1));
  auto name = [&](uint64_t key) {
    for (const auto& [art, text] : names)
      if (art.bits() == key) return text;
    return key == 0 ? std::string() : std::string("?");
  };
  const auto after = takeSnapshot(d.doc);
  const auto found = changesBetween(before, after);
  std::vector<std::string> out;
  for (uint64_t key : found.removed) out.push_back("-" + name(key));
  for (const auto* e : found.inserted) out.push_back("+" + name(e->key) + "<" + name(e->above));
  return out;
}

TEST(DrawingSnapshotTest, EachKindOfChangeIsSentAsItsArtOnly) {
  using Change = std::function<std::vector<ArtRef>(Drawing&)>;
  struct Case {
    const char* what;
    Change change;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"selection is not drawn",
       [](Drawing& d) {
         d.doc.setSelected(d.b, true);
         return std::vector<ArtRef>{};
       },
       {}},
      {"a copy below b",
       [](Drawing& d) { return std::vector<ArtRef>{d.doc.duplicate(d.b, d.b, Place::Below)}; },
       {"+n1<b"}},
      {"two copies above a, the upper one put in first",
       [](Drawing& d) {
         ArtRef lower = d.doc.duplicate(d.a, d.a, Place::Above);
         return std::vector<ArtRef>{d.doc.duplicate(d.a, lower, Place::Above), lower};
       },
       {"+n1<", "+n2<n1"}},
      {"disposed",
       [](Drawing& d) {
         d.doc.dispose(d.b);
         return std::vector<ArtRef>{};
       },
       {"-b"}},
      {"new geometry",
       [](Drawing& d) {
         d.doc.setSegments(d.c, {corner(1, 1), corner(2, 2)}, false);
         return std::vector<ArtRef>{};
       },
       {"-c", "+c<b"}},
      {"moved to the top",
       [](Drawing& d) {
         d.doc.move(d.c, d.a, Place::Above);
         return std::vector<ArtRef>{};
       },
       {"-c", "+c<"}},
      {"a group around b: b goes in with it",
       [](Drawing& d) {
         ArtRef group = d.doc.createArt(ArtType::Group, d.b, Place::Above);
         d.doc.move(d.b, group, Place::InsideOnTop);
         return std::vector<ArtRef>{group};
       },
       {"-b", "+n1<a"}},
  };
  for (const Case& c : cases) {
    Drawing d;
    EXPECT_EQ(changes(d, c.change), c.expected) << c.what;
  }
}

TEST(DrawingSnapshotTest, AnUndoneChangeLeavesTheFingerprintAsBefore) {
  Drawing d;
  const auto saved = takeSnapshot(d.doc).fingerprint;
  d.doc.beginCommand("Contour");
  d.doc.duplicate(d.a, d.a, Place::Below);
  EXPECT_NE(takeSnapshot(d.doc).fingerprint, saved);
  d.doc.undoChanges();
  EXPECT_EQ(takeSnapshot(d.doc).fingerprint, saved);
}

}  // namespace
