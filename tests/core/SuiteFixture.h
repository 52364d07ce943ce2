// A session with the document's suites held, as the plug-in sees them while
// a message is being handled, and small builders of art.
#ifndef TESTS_CORE_SUITEFIXTURE_H
#define TESTS_CORE_SUITEFIXTURE_H

#include <gtest/gtest.h>

#include <vector>

#include "easel/core/Document.h"
#include "easel/core/Session.h"
#include "easel/suites/Suites.h"

namespace easel::test {

class SuiteTest : public ::testing::Test {
 protected:
  SuiteTest() : scope_(session) {
    for (SuiteId id :
         {SuiteId::SPBlocks, SuiteId::AIMdMemory, SuiteId::AIRealMath, SuiteId::AIArt, SuiteId::AIDocument,
          SuiteId::AIDocumentView, SuiteId::AIMatchingArt, SuiteId::AIPath, SuiteId::AIPathStyle, SuiteId::AIRandom,
          SuiteId::AIBlendStyle, SuiteId::AITransformArt, SuiteId::AISwatchList, SuiteId::AIUndo})
      session.acquire(id);
    layer = doc().addLayer("Layer 1");
  }

  Document& doc() { return session.document(); }

  // A closed path of straight segments through the points, on top of `into`.
  ArtRef polygon(std::vector<AIRealPoint> points, ArtRef into = {}) {
    std::vector<AIPathSegment> segments;
    for (auto p : points) segments.push_back({p, p, p, 1});
    ArtRef path = doc().createArt(ArtType::Path, into ? into : layer, Place::InsideOnTop);
    doc().setSegments(path, segments, true);
    return path;
  }

  ArtRef square(float left, float bottom, float side, ArtRef into = {}) {
    return polygon({{left, bottom}, {left + side, bottom}, {left + side, bottom + side}, {left, bottom + side}}, into);
  }

  const AIArtSuite& art = *suites::art();
  const AIPathSuite& path = *suites::path();
  const AIPathStyleSuite& style = *suites::pathStyle();
  const AITransformArtSuite& transform = *suites::transformArt();
  const AIRealMathSuite& math = *suites::realMath();
  const AIMatchingArtSuite& matching = *suites::matchingArt();
  const AIMdMemorySuite& memory = *suites::mdMemory();
  const AISwatchListSuite& swatches = *suites::swatchList();
  const AIUndoSuite& undo = *suites::undo();
  const AIRandomSuite& random = *suites::random();

  Session session;
  ArtRef layer;

 private:
  SessionScope scope_;
};

inline AIArtHandle h(ArtRef r) { return r.handle(); }

}  // namespace easel::test

#endif
